#include "skin/package/SkinStore.h"

#include "framework/core/Exception.h"

namespace tw {

// ---- TSkinCollectionItem

const TClassInfo& TSkinCollectionItem::StaticClassInfo() {
    static const TClassInfo info{"TSkinCollectionItem",
                                 &TObject::StaticClassInfo(),
                                 {
                                     StrProp<TSkinCollectionItem>(
                                         "Name", [](const TSkinCollectionItem& i) { return i.Name(); },
                                         [](TSkinCollectionItem& i, const std::string& v) { i.SetName(v); }),
                                     StrProp<TSkinCollectionItem>(
                                         "SkinData", [](const TSkinCollectionItem& i) { return i.SkinData(); },
                                         [](TSkinCollectionItem&, const std::string&) {}),
                                     IntProp<TSkinCollectionItem>(
                                         "DataSize", [](const TSkinCollectionItem& i) { return i.DataSize(); },
                                         [](TSkinCollectionItem&, int64_t) {}),
                                 }};
    return info;
}

TSkinCollectionItem::TSkinCollectionItem(TSkinCollection* collection, int id)
    : collection_(collection), id_(id), name_("SkinItem" + std::to_string(id)) {}

int TSkinCollectionItem::Index() const {
    if (!collection_) return -1;
    for (int i = 0; i < collection_->Count(); ++i)
        if (collection_->Items(i) == this) return i;
    return -1;
}

void TSkinCollectionItem::SetName(const std::string& value) {
    if (value == name_) return;
    if (collection_) {
        for (const auto& other : collection_->items_)
            if (other.get() != this && other->name_ == value)
                throw Exception("The name " + value + " is already used.");
    }
    name_ = value;
}

void TSkinCollectionItem::Assign(const TObject* source) {
    const auto* item = dynamic_cast<const TSkinCollectionItem*>(source);
    if (!item) {
        const std::string from = source ? source->ClassName() : std::string("nil");
        throw Exception("Cannot assign a " + from + " to a " + ClassName());
    }
    if (item == this) return;
    name_ = item->name_;
    data_ = TMemoryStream(item->data_.Bytes());
}

void TSkinCollectionItem::WriteDataStream(TMemoryStream& target) const {
    target.WriteUInt32LE(static_cast<uint32_t>(data_.Size()));
    if (data_.Size()) target.Write(data_.Memory(), data_.Size());
}

void TSkinCollectionItem::ReadDataStream(TMemoryStream& source) {
    const size_t start = source.Position();
    const uint32_t length = source.ReadUInt32LE();
    const size_t available = source.Size() > source.Position() ? source.Size() - source.Position() : 0;
    if (length > available) {
        source.SetPosition(start);
        throw Exception("Stream read error");
    }
    std::vector<uint8_t> bytes(source.Memory() + source.Position(), source.Memory() + source.Position() + length);
    source.SetPosition(source.Position() + length);
    data_ = TMemoryStream(std::move(bytes));
}

// ---- TSkinCollection

const TClassInfo& TSkinCollection::StaticClassInfo() {
    static const TClassInfo info{"TSkinCollection", &TObject::StaticClassInfo(), {}};
    return info;
}

TSkinCollectionItem* TSkinCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)].get();
}

TSkinCollectionItem* TSkinCollection::Add() {
    items_.push_back(std::make_unique<TSkinCollectionItem>(this, nextId_++));
    return items_.back().get();
}

void TSkinCollection::Delete(int index) {
    Items(index);  // range check
    items_.erase(items_.begin() + index);
}

void TSkinCollection::Assign(const TSkinCollection& source) {
    if (&source == this) return;
    std::vector<std::unique_ptr<TSkinCollectionItem>> copies;
    for (const auto& item : source.items_) {
        copies.push_back(std::make_unique<TSkinCollectionItem>(this, nextId_++));
        copies.back()->Assign(item.get());
    }
    items_ = std::move(copies);
}

void TSkinCollection::SaveToStream(TMemoryStream& target) const {
    target.WriteUInt32LE(static_cast<uint32_t>(items_.size()));
    for (const auto& item : items_) {
        target.WriteUInt32LE(static_cast<uint32_t>(item->name_.size()));
        target.Write(item->name_.data(), item->name_.size());
        item->WriteDataStream(target);
    }
}

void TSkinCollection::LoadFromStream(TMemoryStream& source) {
    const uint32_t count = source.ReadUInt32LE();
    // Every item takes at least 8 bytes, which bounds a damaged count before allocating.
    if (count > (source.Size() - source.Position()) / 8) throw Exception("Stream read error");
    std::vector<std::unique_ptr<TSkinCollectionItem>> loaded;
    int id = nextId_;
    for (uint32_t i = 0; i < count; ++i) {
        auto item = std::make_unique<TSkinCollectionItem>(this, id++);
        const uint32_t nameLength = source.ReadUInt32LE();
        if (nameLength > source.Size() - source.Position()) throw Exception("Stream read error");
        std::string name(nameLength, '\0');
        source.ReadBuffer(name.data(), nameLength);
        item->name_ = std::move(name);
        item->ReadDataStream(source);
        loaded.push_back(std::move(item));
    }
    nextId_ = id;
    items_ = std::move(loaded);
}

// ---- TSkinStore

const TClassInfo& TSkinStore::StaticClassInfo() {
    static const TClassInfo info{
        "TSkinStore",
        &TComponent::StaticClassInfo(),
        {
            ObjProp<TSkinStore>("Store", [](const TSkinStore& s) -> TObject* { return s.Store(); }),
        }};
    return info;
}

TSkinStore::TSkinStore(TComponent* owner) : TComponent(owner), store_(std::make_unique<TSkinCollection>(this)) {}

void TSkinStore::SetStore(const TSkinCollection* value) {
    if (value) store_->Assign(*value);
}

}  // namespace tw
