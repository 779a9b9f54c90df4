#pragma once
// A script XML document: the root item and how it is read and written.

#include "script/xml/XMLItem.h"
#include "ui/core/Object.h"

#include <string>

class TStream;

class TscXMLDocument : public TObject {
public:
    TscXMLItem* Root() { return &root_; }
    const TscXMLItem* Root() const { return &root_; }
    bool AutoIndent() const { return autoIndent_; }
    void SetAutoIndent(bool value) { autoIndent_ = value; }

    // The root becomes the stream's top element; raises "Invalid file format"
    // on a broken text, keeping what was read before the fault.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    // Raises with the file's name and the system's reason when it cannot be read.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

private:
    TscXMLItem root_;
    bool autoIndent_ = false;
};
