#include "vcl/Strings.h"
#include "vcl/SysUtils.h"

int TStrings::Add(const String& value)
{
    const int index = Count();
    Insert(index, value);
    return index;
}

int TStrings::IndexOf(const String& value) const
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i).compare(value, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TStrings::Assign(const TStrings& source)
{
    if (&source == this)
        return;
    SetStrings(source.ToStringList());
}

void TStrings::SetStrings(const QStringList& lines)
{
    Clear();
    for (const String& line : lines)
        Add(line);
}

QStringList TStrings::ToStringList() const
{
    QStringList lines;
    lines.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        lines.append(Get(i));
    return lines;
}

String TStrings::Text() const
{
    String text;
    for (int i = 0; i < Count(); ++i)
        text += Get(i) + QStringLiteral("\r\n");
    return text;
}

void TStrings::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

String TStringList::Get(int index) const
{
    CheckIndex(index, Count());
    return lines_.at(index);
}

void TStringList::Put(int index, const String& value)
{
    CheckIndex(index, Count());
    lines_[index] = value;
}

void TStringList::Insert(int index, const String& value)
{
    CheckIndex(index, Count() + 1);
    lines_.insert(index, value);
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    lines_.removeAt(index);
}
