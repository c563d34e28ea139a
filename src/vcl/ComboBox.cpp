#include "vcl/ComboBox.h"
#include "vcl/Application.h"
#include "vcl/SysUtils.h"
#include <QComboBox>

namespace {
// The combo box's items, read and written in the widget itself.
class TComboBoxStrings : public TStrings
{
public:
    explicit TComboBoxStrings(QComboBox* combo) : combo_(combo) { }
    int Count() const override { return combo_->count(); }
    String Get(int index) const override
    {
        CheckIndex(index, Count());
        return combo_->itemText(index);
    }
    void Put(int index, const String& value) override
    {
        CheckIndex(index, Count());
        combo_->setItemText(index, value);
    }
    void Insert(int index, const String& value) override
    {
        CheckIndex(index, Count() + 1);
        // A list without a selection keeps none when items arrive.
        const bool noneSelected = combo_->currentIndex() < 0;
        combo_->insertItem(index, value);
        if (noneSelected)
            combo_->setCurrentIndex(-1);
    }
    void Delete(int index) override
    {
        CheckIndex(index, Count());
        combo_->removeItem(index);
    }
    void Clear() override { combo_->clear(); }

private:
    QComboBox* combo_;
};
} // namespace

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner, new QComboBox), items_(std::make_unique<TComboBoxStrings>(Combo()))
{
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
    QObject::connect(Combo(), &QComboBox::activated, [this] {
        Application->Guard([this] {
            if (OnChange)
                OnChange(this);
        });
    });
}

TComboBox::~TComboBox() = default;

QComboBox* TComboBox::Combo() const
{
    return static_cast<QComboBox*>(View());
}

int TComboBox::ItemIndex() const
{
    return Combo()->currentIndex();
}

void TComboBox::SetItemIndex(int value)
{
    Combo()->setCurrentIndex(value >= 0 && value < Combo()->count() ? value : -1);
}

void TComboBox::SetStyle(TComboBoxStyle value)
{
    style_ = value;
    Combo()->setEditable(value == csDropDown);
}
