#include "report/xml/XmlDocument.h"

#include "report/utils/TempFiles.h"
#include "ui/core/Stream.h"
#include "ui/core/TextCase.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
constexpr std::string_view kSwapMarker = " ld=\"0\"";
constexpr std::string_view kLegacyVersion = "1.0";

std::size_t FindNoCase(std::string_view text, std::string_view what) {
    auto found = std::search(text.begin(), text.end(), what.begin(), what.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
    return found == text.end() ? std::string_view::npos : static_cast<std::size_t>(found - text.begin());
}

// Takes the swap marker out of an attribute text; true when it was there.
bool RemoveSwapMarker(std::string& text) {
    std::string padded = " " + text;  // the marker may be the first attribute
    std::size_t at = FindNoCase(padded, kSwapMarker);
    if (at == std::string::npos) return false;
    padded.erase(at, kSwapMarker.size());
    text = padded.empty() || padded[0] != ' ' ? padded : padded.substr(1);
    return true;
}

}  // namespace

// ---- reader

TrpXMLReader::TrpXMLReader(TStream& stream)
    : stream_(stream), size_(stream.Size()), position_(stream.Position()) {}

TrpXMLReader::~TrpXMLReader() { stream_.SetPosition(position_); }

void TrpXMLReader::Invalid() const { throw TrpInvalidXMLException(position_); }

void TrpXMLReader::SetPosition(std::int64_t position) {
    stream_.SetPosition(position);
    position_ = position;
    bufferFill_ = bufferUsed_ = 0;
}

int TrpXMLReader::NextChar() {
    if (bufferUsed_ == bufferFill_) {
        if (position_ >= size_) return -1;
        stream_.SetPosition(position_);
        bufferFill_ = stream_.Read(buffer_, std::min(kBufferSize, size_ - position_));
        bufferUsed_ = 0;
        if (bufferFill_ <= 0) {
            bufferFill_ = 0;
            return -1;
        }
    }
    ++position_;
    return static_cast<unsigned char>(buffer_[bufferUsed_++]);
}

void TrpXMLReader::SkipComment() {
    int dashes = 0;
    for (int c = NextChar(); c >= 0; c = NextChar()) {
        if (c == '-') dashes = dashes == 2 ? 1 : dashes + 1;
        else if (c == '>' && dashes == 2) return;
        else dashes = 0;
    }
}

TrpXMLReader::Tag TrpXMLReader::ReadTag() {
    for (;;) {
        int c;
        do {
            c = NextChar();
            if (c < 0) return {};
        } while (c != '<');
        std::string collected;
        bool comment = false;
        for (;;) {
            c = NextChar();
            if (c < 0 || c == '<') Invalid();
            if (c == '>') break;
            collected += static_cast<char>(c);
            if (collected == "!--") {
                comment = true;
                break;
            }
        }
        if (comment) {
            SkipComment();
            continue;
        }
        if (!collected.empty() && collected.back() == ' ') collected.pop_back();
        std::size_t blank = collected.find(' ');
        if (blank == std::string::npos) return {collected, {}};
        return {collected.substr(0, blank), collected.substr(blank + 1)};
    }
}

void TrpXMLReader::ReadHeader() {
    Tag tag = ReadTag();
    if (!tag.name.starts_with("?xml")) Invalid();
    std::string whole = tag.name + " " + tag.text;
    constexpr std::string_view kVersion = "version=";
    std::size_t at = whole.find(kVersion);
    std::size_t valueStart = at == std::string::npos ? whole.size() : at + kVersion.size() + 1;  // past the quote
    std::string version = valueStart < whole.size() ? whole.substr(valueStart, kLegacyVersion.size()) : std::string();
    legacyEncoding_ = version == kLegacyVersion && whole.find("standalone=") == std::string::npos;
}

void TrpXMLReader::ReadRootItem(TrpXMLItem& item, bool loadAll) { ReadItem(item, loadAll, 0); }

bool TrpXMLReader::ReadItem(TrpXMLItem& item, bool loadAll, int depth) {
    if (depth > kMaxXmlDepth) Invalid();
    std::int64_t start = position_;
    Tag tag = ReadTag();
    item.Name = std::move(tag.name);
    item.Text = std::move(tag.text);
    lastTag_ = item.Name;
    if (item.Name.empty() || item.Name[0] == '/') return false;
    if (item.Name.back() == '/') {
        item.Name.pop_back();
        return true;
    }
    if (!item.Text.empty() && item.Text.back() == '/') {
        item.Text.pop_back();
        return true;
    }
    for (;;) {
        TrpXMLItem* child = item.Add();
        if (!ReadItem(*child, loadAll, depth + 1)) {
            delete child;
            break;
        }
    }
    if (!lastTag_.empty() && !AnsiSameText(lastTag_, "/" + item.Name)) Invalid();
    if (RemoveSwapMarker(item.Text) && !loadAll) {
        item.Clear();
        item.Offset = start;
        item.Unloadable = true;
        item.Loaded = false;
    }
    return true;
}

// ---- writer

TrpXMLWriter::TrpXMLWriter(TStream& stream, TStream* swap, bool autoIndent)
    : stream_(stream), swap_(swap), autoIndent_(autoIndent) {}

void TrpXMLWriter::WriteHeader() {
    WriteLine(std::string(kHeader), 0);
    Flush();
}

void TrpXMLWriter::WriteLine(const std::string& piece, int level) {
    if (autoIndent_) {
        pending_.append(static_cast<std::size_t>(level), ' ');
        pending_ += piece;
        pending_ += "\r\n";
    } else {
        pending_ += piece;
    }
    if (pending_.size() > kFlushSize) Flush();
}

void TrpXMLWriter::Flush() {
    if (pending_.empty()) return;
    stream_.WriteBuffer(pending_.data(), static_cast<std::int64_t>(pending_.size()));
    pending_.clear();
}

void TrpXMLWriter::WriteItem(TrpXMLItem& item, int level) {
    bool swappedOut = swap_ && item.Unloadable && !item.Loaded;
    if (swappedOut) LoadSwappedItem(*swap_, item);
    std::string attributes;
    if (!item.Text.empty() || item.Unloadable) {
        if (item.Text.empty() || item.Text[0] != ' ') attributes = " ";
        attributes += item.Text;
        if (item.Unloadable) {
            if (!item.Text.empty()) attributes += ' ';
            attributes += kSwapMarker.substr(1);
        }
    }
    std::string start = "<" + item.Name + attributes;
    if (item.Count() > 0) start += ">";
    else if (!item.Value.empty()) start += ">" + item.Value + "</" + item.Name + ">";
    else start += "/>";
    WriteLine(start, level);
    if (item.Count() > 0) {
        for (int i = 0; i < item.Count(); ++i) WriteItem(*item.Items(i), autoIndent_ ? level + 2 : 0);
        WriteLine("</" + item.Name + ">", level);
    }
    if (swappedOut) item.Clear();
}

void LoadSwappedItem(TStream& swap, TrpXMLItem& item) {
    std::string text = item.Text;
    item.Clear();
    swap.SetPosition(item.Offset);
    {
        TrpXMLReader reader(swap);
        reader.ReadRootItem(item, true);
    }
    item.Text = std::move(text);
    item.Loaded = true;
}

// ---- document

TrpXMLDocument::TrpXMLDocument() = default;
TrpXMLDocument::~TrpXMLDocument() = default;

void TrpXMLDocument::Clear() {
    root_.Clear();
    DeleteTempFile();
}

void TrpXMLDocument::ReadFrom(TStream& stream, bool loadAll) {
    root_.Clear();
    root_.Offset = 0;
    TrpXMLReader reader(stream);
    reader.ReadHeader();
    LegacyHeader = reader.LegacyEncoding();
    reader.ReadRootItem(root_, loadAll);
}

void TrpXMLDocument::LoadFromStream(TStream& stream) {
    DeleteTempFile();
    ReadFrom(stream, true);
}

void TrpXMLDocument::LoadPartially(std::unique_ptr<TStream> stream) {
    DeleteTempFile();
    ReadFrom(*stream, false);
    loadedFrom_ = std::move(stream);
}

void TrpXMLDocument::SaveToStream(TStream& stream) {
    TrpXMLWriter writer(stream, TempStream(), AutoIndent);
    writer.WriteHeader();
    writer.WriteRootItem(root_);
}

void TrpXMLDocument::UnloadItem(TrpXMLItem& item) {
    if (!item.Loaded || !item.Unloadable) return;
    if (!TempStream()) CreateTempFile();
    TStream& swap = *TempStream();
    std::int64_t offset = swap.Size();
    swap.SetPosition(offset);
    {
        TrpXMLWriter writer(swap, nullptr, false);
        writer.WriteRootItem(item);
    }
    item.Offset = offset;
    item.Clear();
}

void TrpXMLDocument::LoadItem(TrpXMLItem& item) {
    if (!TempStream() || !item.Unloadable || item.Loaded) return;
    LoadSwappedItem(*TempStream(), item);
}

void TrpXMLDocument::CreateTempFile() {
    if (TempStream()) return;
    tempFile_ = std::make_unique<TrpTempFile>(TempDir);
}

void TrpXMLDocument::DeleteTempFile() {
    tempFile_.reset();
    loadedFrom_.reset();
}

std::string TrpXMLDocument::TempFile() const { return tempFile_ ? tempFile_->FileName() : std::string(); }

TStream* TrpXMLDocument::TempStream() const {
    if (tempFile_) return &tempFile_->Stream();
    return loadedFrom_.get();
}
