// TSkinStore, TSkinCollection and TSkinCollectionItem: skin packages carried as named items
// inside a form's stored data.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/MemoryStream.h"

namespace tw {

class TSkinCollection;

class TSkinCollectionItem : public TObject {
    TW_CLASS_INFO()
public:
    explicit TSkinCollectionItem(TSkinCollection* collection, int id);
    TSkinCollectionItem(const TSkinCollectionItem&) = delete;
    TSkinCollectionItem& operator=(const TSkinCollectionItem&) = delete;

    TSkinCollection* Collection() const { return collection_; }
    int ID() const { return id_; }
    int Index() const;

    const std::string& Name() const { return name_; }
    // Throws tw::Exception "The name <value> is already used." when another item of the
    // collection has exactly that name; the name stays as it was.
    void SetName(const std::string& value);
    std::string DisplayName() const { return name_; }

    // The design-time "load from file" button: always reads "Load Skin", writing does nothing.
    std::string SkinData() const { return "Load Skin"; }
    int DataSize() const { return static_cast<int>(data_.Size()); }
    TMemoryStream& Data() { return data_; }
    const TMemoryStream& Data() const { return data_; }

    // Copies name (without the uniqueness test) and all data of another item; the source's
    // stream position is kept. Any other source is refused with tw::Exception.
    void Assign(const TObject* source);

    // The stored raw-data property: a 32-bit little-endian length, then the package bytes.
    void WriteDataStream(TMemoryStream& target) const;
    // Replaces the data by a stored value; throws tw::Exception ("Stream read error") and keeps
    // the data when the stored length runs past the end of source.
    void ReadDataStream(TMemoryStream& source);

private:
    friend class TSkinCollection;
    TSkinCollection* collection_;
    int id_;
    std::string name_;
    TMemoryStream data_;
};

class TSkinCollection : public TObject {
    TW_CLASS_INFO()
public:
    explicit TSkinCollection(TObject* owner) : owner_(owner) {}
    TSkinCollection(const TSkinCollection&) = delete;
    TSkinCollection& operator=(const TSkinCollection&) = delete;

    TObject* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Throws EListError for an index outside the collection.
    TSkinCollectionItem* Items(int index) const;
    TSkinCollectionItem* Add();
    void Delete(int index);
    void Clear() { items_.clear(); }
    // Replaces all items by copies of source's items.
    void Assign(const TSkinCollection& source);

    // Whole-collection persistence: item count, then per item its name and its data stream.
    void SaveToStream(TMemoryStream& target) const;
    // Replaces the items; on a damaged stream throws tw::Exception and keeps the old items.
    void LoadFromStream(TMemoryStream& source);

private:
    friend class TSkinCollectionItem;
    TObject* owner_;
    int nextId_ = 0;  // never reused, so names stay distinct after deletions
    std::vector<std::unique_ptr<TSkinCollectionItem>> items_;
};

class TSkinStore : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TSkinStore(TComponent* owner);

    TSkinCollection* Store() const { return store_.get(); }
    // Copies the given collection's items; null is ignored.
    void SetStore(const TSkinCollection* value);

private:
    std::unique_ptr<TSkinCollection> store_;
};

}  // namespace tw
