#include "vcl/Memo.h"
#include <QPlainTextEdit>

namespace {
// The memo's lines, read from and written to the editor itself.
class TMemoStrings : public TStrings
{
public:
    explicit TMemoStrings(QPlainTextEdit* editor) : editor_(editor) { }
    int Count() const override { return static_cast<int>(Lines().size()); }
    String Get(int index) const override
    {
        const QStringList lines = Lines();
        CheckIndex(index, static_cast<int>(lines.size()));
        return lines.at(index);
    }
    void Put(int index, const String& value) override
    {
        QStringList lines = Lines();
        CheckIndex(index, static_cast<int>(lines.size()));
        lines[index] = value;
        Store(lines);
    }
    void Insert(int index, const String& value) override
    {
        QStringList lines = Lines();
        CheckIndex(index, static_cast<int>(lines.size()) + 1);
        lines.insert(index, value);
        Store(lines);
    }
    void Delete(int index) override
    {
        QStringList lines = Lines();
        CheckIndex(index, static_cast<int>(lines.size()));
        lines.removeAt(index);
        Store(lines);
    }
    void Clear() override { editor_->clear(); }

private:
    QStringList Lines() const
    {
        const QString text = editor_->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    void Store(const QStringList& lines) { editor_->setPlainText(lines.join(QLatin1Char('\n'))); }

    QPlainTextEdit* editor_;
};
} // namespace

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner, new QPlainTextEdit), lines_(std::make_unique<TMemoStrings>(Editor()))
{
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
    SetScrollBars(ssNone);
}

TMemo::~TMemo() = default;

QPlainTextEdit* TMemo::Editor() const
{
    return static_cast<QPlainTextEdit*>(View());
}

String TMemo::Text() const
{
    return Editor()->toPlainText();
}

bool TMemo::ReadOnly() const
{
    return Editor()->isReadOnly();
}

void TMemo::SetReadOnly(bool value)
{
    Editor()->setReadOnly(value);
}

void ApplyScrollStyle(QAbstractScrollArea& view, TScrollStyle value)
{
    const bool vertical = value == ssVertical || value == ssBoth;
    const bool horizontal = value == ssHorizontal || value == ssBoth;
    view.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    view.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    ApplyScrollStyle(*Editor(), value);
}

void TMemo::SetWordWrap(bool value)
{
    Editor()->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::ApplyColor()
{
    QPalette palette = Editor()->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    Editor()->setPalette(palette);
}
