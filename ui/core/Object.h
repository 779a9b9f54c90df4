#pragma once
// The root of the class tree: every object knows its class description, so
// it can be asked its class name and be read and written by property name.

#include <string>

class TClassInfo;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    std::string ClassName() const;
    bool InheritsFrom(const TClassInfo& ancestor) const;
};

// Inside a class body: ties the class to its description, which the class
// defines in its source as `const TClassInfo& TFoo::StaticClass()`.
#define DECLARE_CLASS_INFO                                                        \
public:                                                                           \
    static const TClassInfo& StaticClass();                                       \
    const TClassInfo& ClassType() const override { return StaticClass(); }        \
                                                                                  \
private:
