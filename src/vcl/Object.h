#pragma once
// The root of every class of the layer: class names that controls compare, and messages.

#include "vcl/Types.h"

class TObject
{
public:
    virtual ~TObject() = default;

    // The class's own name; a derived class reports its own, not its base's.
    virtual String ClassName() const { return QStringLiteral("TObject"); }
    // True when this object's class, or one of its bases, has that name (letters without case).
    virtual bool InheritsFrom(const String& name) const;
    // True when this object's own class has that name (letters without case).
    bool ClassNameIs(const String& name) const;

    // Answers a message; the default does nothing.
    virtual void Dispatch(TMessage& message);
};

// Declares ClassName() and InheritsFrom() for a class derived from Base.
#define VCL_CLASS(Name, Base)                                                                      \
public:                                                                                            \
    String ClassName() const override                                                              \
    {                                                                                              \
        return QStringLiteral(#Name);                                                              \
    }                                                                                              \
    bool InheritsFrom(const String& name) const override                                           \
    {                                                                                              \
        return name.compare(QStringLiteral(#Name), Qt::CaseInsensitive) == 0                       \
            || Base::InheritsFrom(name);                                                           \
    }                                                                                              \
                                                                                                   \
private:
