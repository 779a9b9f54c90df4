#include "script/xml/XMLWriter.h"

#include "script/xml/XMLItem.h"
#include "ui/core/Stream.h"

namespace {

constexpr std::size_t kFlushThreshold = 4096;
constexpr int kIndentStep = 2;

}  // namespace

void TscXMLWriter::WriteHeader() { WriteLine(0, "<?xml version=\"1.0\"?>"); }

void TscXMLWriter::WriteRootItem(const TscXMLItem& item) { WriteItem(item, 0); }

void TscXMLWriter::WriteItem(const TscXMLItem& item, int indent) {
    std::string tag = "<" + item.Name();
    if (!item.Text().empty()) {
        if (item.Text().front() != ' ') tag += ' ';
        tag += item.Text();
    }
    if (item.Count() == 0) {
        WriteLine(indent, tag + "/>");
        return;
    }
    WriteLine(indent, tag + ">");
    for (int i = 0; i < item.Count(); ++i) WriteItem(*item.Items(i), indent + kIndentStep);
    WriteLine(indent, "</" + item.Name() + ">");
}

void TscXMLWriter::WriteLine(int indent, const std::string& line) {
    if (autoIndent_) buffer_.append(static_cast<std::size_t>(indent), ' ');
    buffer_ += line;
    if (autoIndent_) buffer_ += "\r\n";
    if (buffer_.size() > kFlushThreshold) Flush();
}

void TscXMLWriter::Flush() {
    if (buffer_.empty()) return;
    stream_.WriteBuffer(buffer_.data(), static_cast<std::int64_t>(buffer_.size()));
    buffer_.clear();
}
