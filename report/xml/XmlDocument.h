#pragma once
// The report engine's XML text form: a reader and a writer of element trees
// and the document that holds a tree, with the swapping of large subtrees
// to a temporary file.
//
// The reader is forgiving of the engine's own output and nothing more: text
// between tags is skipped and character encodings are left to the callers.
// Every read is bounded by the stream's data: a cut-off or damaged text
// raises TrpInvalidXMLException with the byte position where it went wrong,
// and elements nested deeper than kMaxXmlDepth are refused rather than
// exhausting the stack.

#include "report/xml/XmlItem.h"
#include "ui/core/Exceptions.h"

#include <cstdint>
#include <memory>
#include <string>

class TStream;
class TrpTempFile;

inline constexpr int kMaxXmlDepth = 256;

class TrpInvalidXMLException : public Exception {
public:
    explicit TrpInvalidXMLException(std::int64_t position)
        : Exception("Invalid file format"), position_(position) {}
    const char* ClassName() const override { return "TrpInvalidXMLException"; }
    // How far the text was read when it stopped making sense: just past the
    // offending character or tag, or the end of a text cut short.
    std::int64_t Position() const { return position_; }
    // "Invalid file format (byte N)".
    std::string Described() const { return Message() + " (byte " + std::to_string(position_) + ")"; }

private:
    std::int64_t position_;
};

class TrpXMLReader {
public:
    // Reads from the stream's current position.
    explicit TrpXMLReader(TStream& stream);
    // Leaves the stream just after the last character used.
    ~TrpXMLReader();
    TrpXMLReader(const TrpXMLReader&) = delete;
    TrpXMLReader& operator=(const TrpXMLReader&) = delete;

    // Raises TrpInvalidXMLException when the first tag is no "?xml" declaration.
    void ReadHeader();
    void ReadRootItem(TrpXMLItem& item, bool loadAll);
    void SetPosition(std::int64_t position);
    // True for the writer's own header: strings in the system code page.
    bool LegacyEncoding() const { return legacyEncoding_; }

private:
    struct Tag {
        std::string name;
        std::string text;
    };
    static constexpr std::int64_t kBufferSize = 4096;

    // Nothing left: -1.
    int NextChar();
    Tag ReadTag();
    void SkipComment();
    // False when the tag read was an end tag or the end of the stream.
    bool ReadItem(TrpXMLItem& item, bool loadAll, int depth);
    [[noreturn]] void Invalid() const;

    TStream& stream_;
    std::int64_t size_;
    std::int64_t position_;  // of the next character
    char buffer_[kBufferSize];
    std::int64_t bufferFill_ = 0;
    std::int64_t bufferUsed_ = 0;
    std::string lastTag_;
    bool legacyEncoding_ = false;
};

class TrpXMLWriter {
public:
    // `swap` holds the swapped-out elements to write back (may be none).
    TrpXMLWriter(TStream& stream, TStream* swap, bool autoIndent);
    TrpXMLWriter(const TrpXMLWriter&) = delete;
    TrpXMLWriter& operator=(const TrpXMLWriter&) = delete;

    void WriteHeader();
    void WriteRootItem(TrpXMLItem& item) { WriteItem(item, 0); Flush(); }

private:
    static constexpr std::size_t kFlushSize = 4096;
    void WriteItem(TrpXMLItem& item, int level);
    void WriteLine(const std::string& piece, int level);
    void Flush();

    TStream& stream_;
    TStream* swap_;
    bool autoIndent_;
    std::string pending_;
};

// Reads an element back from the swap stream at its offset (children and
// all), its attribute text kept as it was.
void LoadSwappedItem(TStream& swap, TrpXMLItem& item);

class TrpXMLDocument {
public:
    TrpXMLDocument();
    ~TrpXMLDocument();
    TrpXMLDocument(const TrpXMLDocument&) = delete;
    TrpXMLDocument& operator=(const TrpXMLDocument&) = delete;

    TrpXMLItem& Root() { return root_; }
    // The root emptied, the swap file removed.
    void Clear();
    // The whole tree.
    void LoadFromStream(TStream& stream);
    // Elements marked for swapping stay empty and are read on demand from
    // the stream, which the document keeps.
    void LoadPartially(std::unique_ptr<TStream> stream);
    void SaveToStream(TStream& stream);
    // A loaded, unloadable element goes to the end of the swap file.
    void UnloadItem(TrpXMLItem& item);
    void LoadItem(TrpXMLItem& item);
    void CreateTempFile();
    void DeleteTempFile();

    bool AutoIndent = false;
    bool LegacyHeader = true;
    std::string TempDir;
    // Empty while the document has made no swap file.
    std::string TempFile() const;
    TStream* TempStream() const;

private:
    void ReadFrom(TStream& stream, bool loadAll);

    TrpXMLItem root_;
    std::unique_ptr<TrpTempFile> tempFile_;
    std::unique_ptr<TStream> loadedFrom_;  // the stream of a partial load
};
