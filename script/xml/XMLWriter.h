#pragma once
// Writes the script XML form: a header line and the tree, one line a tag
// with indentation when auto-indent is on, else all on one line.

#include <string>

class TStream;
class TscXMLItem;

class TscXMLWriter {
public:
    TscXMLWriter(TStream& stream, bool autoIndent) : stream_(stream), autoIndent_(autoIndent) {}

    void WriteHeader();
    void WriteRootItem(const TscXMLItem& item);
    void Flush();

private:
    void WriteItem(const TscXMLItem& item, int indent);
    void WriteLine(int indent, const std::string& line);

    TStream& stream_;
    bool autoIndent_;
    std::string buffer_;
};
