#include "vcl/Object.h"

bool TObject::InheritsFrom(const String& name) const
{
    return name.compare(QStringLiteral("TObject"), Qt::CaseInsensitive) == 0;
}

bool TObject::ClassNameIs(const String& name) const
{
    return ClassName().compare(name, Qt::CaseInsensitive) == 0;
}

void TObject::Dispatch(TMessage&) { }
