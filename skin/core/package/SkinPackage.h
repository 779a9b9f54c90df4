#pragma once
// Packed skins: "SKzf", an entry count, then per entry a name, the inflated
// size and one zlib stream. The reader unpacks the whole package into
// memory; every length and size is checked against the bytes that remain
// before anything is made of it.

#include "ui/core/MemoryStream.h"
#include "ui/core/Persistent.h"

#include <memory>
#include <string>
#include <vector>

struct TxImageItem {
    std::string FileName;
    bool IsBitmap = false;
    std::unique_ptr<TMemoryStream> Stream;
};
using TxImageItems = std::vector<TxImageItem>;

class TxSkinConvertor : public TPersistent {
public:
    ~TxSkinConvertor() override { Clear(); }
    void Clear();
    // The image entry whose name, upper-cased, is `upperName`; nullptr when none.
    TxImageItem* FindImage(const std::string& upperName);

    std::int32_t ItemCount = 0;
    TxImageItems ImageItems;
    std::unique_ptr<TMemoryStream> OptionsStream;
    // The package being read; owned only when the reader loaded it itself.
    TStream* SourceStream = nullptr;
    std::unique_ptr<TStream> OwnedSource;
};

// Nothing when the file does not exist; otherwise the reader (made when
// there is none) holds the unpacked file. Raises as ReadSkinPackage, and
// the reader is freed then.
void LoadSkinPackage(const std::string& fileName, std::unique_ptr<TxSkinConvertor>& reader, bool freeSource);
// Unpacks SourceStream. A wrong magic raises Exception "Loaded data is not
// a packed skin file", a package cut short or with lying lengths the
// Russian message of a damaged package; the reader is freed.
void ReadSkinPackage(std::unique_ptr<TxSkinConvertor>& reader);

// A package of the given entries, for tests and the internal skin's generator.
struct TSkPackageEntry {
    std::string Name;
    std::string Bytes;
};
std::string WriteSkinPackage(const std::vector<TSkPackageEntry>& entries);
