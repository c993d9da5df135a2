#include <gtest/gtest.h>

#include "framework/core/Exception.h"
#include "skin/package/SkinStore.h"

using tw::TMemoryStream;
using tw::TSkinCollection;
using tw::TSkinStore;

namespace {

void SetData(tw::TSkinCollectionItem* item, const std::string& s) {
    item->Data().Clear();
    item->Data().Write(s.data(), s.size());
}

}  // namespace

TEST(SkinStore, NamesFollowIdsThatAreNeverReused) {
    TSkinStore store(nullptr);
    TSkinCollection& c = *store.Store();
    EXPECT_EQ(c.Add()->Name(), "SkinItem0");
    EXPECT_EQ(c.Add()->Name(), "SkinItem1");
    c.Delete(0);
    EXPECT_EQ(c.Add()->Name(), "SkinItem2");
    EXPECT_EQ(c.Items(0)->Name(), "SkinItem1");
    EXPECT_EQ(c.Items(1)->Index(), 1);
    EXPECT_THROW(c.Items(2), tw::EListError);
    EXPECT_EQ(c.Owner(), &store);
}

TEST(SkinStore, DuplicateNamesAreRefusedExactly) {
    TSkinStore store(nullptr);
    auto* first = store.Store()->Add();
    auto* second = store.Store()->Add();
    second->SetName("skinitem0");  // letter case differs: accepted
    EXPECT_EQ(second->Name(), "skinitem0");
    try {
        second->SetName("SkinItem0");
        FAIL();
    } catch (const tw::Exception& e) {
        EXPECT_EQ(e.Message(), "The name SkinItem0 is already used.");
    }
    EXPECT_EQ(second->Name(), "skinitem0");
    first->SetName("SkinItem0");  // its own name: nothing happens
    second->SetName("");
    EXPECT_EQ(second->Name(), "");
    EXPECT_TRUE(tw::SetPropFromText(first, "Name", "Renamed"));
    EXPECT_EQ(first->Name(), "Renamed");
}

TEST(SkinStore, PublishedProperties) {
    TSkinStore store(nullptr);
    auto* item = store.Store()->Add();
    SetData(item, "12345");
    EXPECT_EQ(tw::GetOrdProp(item, "DataSize"), 5);
    EXPECT_EQ(tw::GetWideTextProp(item, "SkinData"), L"Load Skin");
    tw::SetPropFromText(item, "SkinData", "anything");
    EXPECT_EQ(item->SkinData(), "Load Skin");
    EXPECT_EQ(tw::GetObjectProp(&store, "Store", "TSkinCollection"), store.Store());
}

TEST(SkinStore, DataStreamRoundTripsExactly) {
    TSkinStore store(nullptr);
    auto* item = store.Store()->Add();
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 7);
    SetData(item, bytes);
    TMemoryStream stored;
    item->WriteDataStream(stored);
    auto* copy = store.Store()->Add();
    stored.SetPosition(0);
    copy->ReadDataStream(stored);
    EXPECT_EQ(copy->Data().ToString(), bytes);
    EXPECT_EQ(copy->DataSize(), 1000);

    auto* empty = store.Store()->Add();
    TMemoryStream emptyStored;
    empty->WriteDataStream(emptyStored);
    EXPECT_EQ(emptyStored.Size(), 4u);  // written even when empty
}

TEST(SkinStore, DamagedDataStreamKeepsTheOldData) {
    TSkinStore store(nullptr);
    auto* item = store.Store()->Add();
    SetData(item, "keep");
    TMemoryStream stored;
    stored.WriteUInt32LE(100);
    stored.Write("short", 5);
    stored.SetPosition(0);
    EXPECT_THROW(item->ReadDataStream(stored), tw::Exception);
    EXPECT_EQ(item->Data().ToString(), "keep");
}

TEST(SkinStore, CopyingAStoreKeepsNamesDataAndSourcePositions) {
    TSkinStore source(nullptr);
    auto* a = source.Store()->Add();
    auto* b = source.Store()->Add();
    b->SetName("Blue");
    SetData(a, "aaaa");
    SetData(b, "bb");
    a->Data().SetPosition(3);
    b->Data().SetPosition(1);

    TSkinStore target(nullptr);
    target.Store()->Add();
    target.SetStore(source.Store());
    ASSERT_EQ(target.Store()->Count(), 2);
    EXPECT_EQ(target.Store()->Items(0)->Name(), "SkinItem0");
    EXPECT_EQ(target.Store()->Items(1)->Name(), "Blue");
    EXPECT_EQ(target.Store()->Items(0)->Data().ToString(), "aaaa");
    EXPECT_EQ(target.Store()->Items(1)->Data().ToString(), "bb");
    EXPECT_EQ(a->Data().Position(), 3u);
    EXPECT_EQ(b->Data().Position(), 1u);
    target.SetStore(nullptr);
    EXPECT_EQ(target.Store()->Count(), 2);
    EXPECT_THROW(a->Assign(&source), tw::Exception);
}

TEST(SkinStore, CollectionPersistsAndRefusesDamagedStreams) {
    TSkinStore store(nullptr);
    SetData(store.Store()->Add(), "first");
    auto* second = store.Store()->Add();
    second->SetName("Second");
    TMemoryStream saved;
    store.Store()->SaveToStream(saved);

    TSkinStore loaded(nullptr);
    saved.SetPosition(0);
    loaded.Store()->LoadFromStream(saved);
    ASSERT_EQ(loaded.Store()->Count(), 2);
    EXPECT_EQ(loaded.Store()->Items(0)->Data().ToString(), "first");
    EXPECT_EQ(loaded.Store()->Items(1)->Name(), "Second");
    EXPECT_EQ(loaded.Store()->Items(1)->DataSize(), 0);

    std::vector<uint8_t> cut = saved.Bytes();
    cut.resize(cut.size() - 3);
    TMemoryStream damaged(cut);
    EXPECT_THROW(loaded.Store()->LoadFromStream(damaged), tw::Exception);
    EXPECT_EQ(loaded.Store()->Count(), 2);
    TMemoryStream hugeCount;
    hugeCount.WriteUInt32LE(0xFFFFFFFFu);
    hugeCount.SetPosition(0);
    EXPECT_THROW(loaded.Store()->LoadFromStream(hugeCount), tw::Exception);
}
