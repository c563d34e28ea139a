#pragma once
// Lists of lines: the abstract list that controls expose, and a plain list of their own.

#include "vcl/Object.h"
#include <QStringList>

class TStrings : public TObject
{
    VCL_CLASS(TStrings, TObject)
public:
    virtual int Count() const = 0;
    // Raises EStringListError for an index outside 0..Count()-1.
    virtual String Get(int index) const = 0;
    virtual void Put(int index, const String& value) = 0;
    virtual void Insert(int index, const String& value) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    int Add(const String& value);
    int IndexOf(const String& value) const;
    // Copies the lines of source; this list object stays the same.
    void Assign(const TStrings& source);
    void SetStrings(const QStringList& lines);
    QStringList ToStringList() const;
    // The lines, each followed by CR LF.
    String Text() const;

protected:
    void CheckIndex(int index, int count) const;
};

class TStringList : public TStrings
{
    VCL_CLASS(TStringList, TStrings)
public:
    TStringList() = default;
    explicit TStringList(const QStringList& lines) : lines_(lines) { }
    int Count() const override { return static_cast<int>(lines_.size()); }
    String Get(int index) const override;
    void Put(int index, const String& value) override;
    void Insert(int index, const String& value) override;
    void Delete(int index) override;
    void Clear() override { lines_.clear(); }

private:
    QStringList lines_;
};
