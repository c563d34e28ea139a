#include "vcl/WinControl.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/GraphicControl.h"
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace {
QHash<const QWidget*, TWinControl*>& ViewRegistry()
{
    static QHash<const QWidget*, TWinControl*> registry;
    return registry;
}

template<class List, class Item> void Erase(List& list, Item* item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

TPoint PointOf(const QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    return {point.x(), point.y()};
}

TMouseButton ButtonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}
} // namespace

TWinControl::TWinControl(TComponent* owner, QWidget* view) : TControl(owner), view_(view)
{
    ViewRegistry().insert(view_, this);
    view_->hide();
}

TWinControl::~TWinControl()
{
    ViewRegistry().remove(view_);
    // A windowed control takes its child controls with it, whoever owns them.
    while (ControlCount() > 0)
        Free(Controls(ControlCount() - 1));
    delete view_;
}

TWinControl* TWinControl::FromView(const QWidget* widget)
{
    const auto& registry = ViewRegistry();
    for (; widget; widget = widget->parentWidget()) {
        auto it = registry.constFind(widget);
        if (it != registry.constEnd())
            return it.value();
    }
    return nullptr;
}

void TWinControl::SetView(QWidget* view)
{
    ViewRegistry().remove(view_);
    view_ = view;
    ViewRegistry().insert(view_, this);
}

TControl* TWinControl::Controls(int index) const
{
    const auto graphics = static_cast<int>(graphics_.size());
    return index < graphics ? graphics_.at(index) : windows_.at(index - graphics);
}

int TWinControl::IndexOfControl(const TControl* control) const
{
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i) == control)
            return i;
    return -1;
}

void TWinControl::InsertControl(TControl* control)
{
    RemoveControl(control);
    control->parent_ = this;
    if (control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(control);
        windows_.push_back(windowed);
        windowed->view_->raise();
    } else {
        graphics_.push_back(control);
    }
}

void TWinControl::RemoveControl(TControl* control)
{
    if (control->parent_ != this)
        return;
    // The control may be half destroyed already: compare it only as the TControl it still is.
    Erase(graphics_, control);
    std::erase_if(windows_, [control](const TControl* child) { return child == control; });
    if (pressed_ == control)
        pressed_ = nullptr;
    control->parent_ = nullptr;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled) const
{
    auto hit = [&](const TControl* control) {
        return control->Visible() && (allowDisabled || control->Enabled())
            && control->BoundsRect().Contains(point.X, point.Y);
    };
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (hit(*it))
            return *it;
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
        if (hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::SetParent(TWinControl* parent)
{
    TControl::SetParent(parent);
    view_->setParent(parent ? parent->ClientView() : nullptr);
    if (parent) {
        view_->setGeometry(Left(), Top(), Width(), Height());
        view_->setVisible(Visible());
        parent->ApplyTabOrder();
    }
}

void TWinControl::BoundsChanged()
{
    if (Parent())
        view_->setGeometry(Left(), Top(), Width(), Height());
    CheckClientResized();
}

void TWinControl::CheckClientResized()
{
    if (ClientWidth() != lastClientWidth_ || ClientHeight() != lastClientHeight_)
        ClientResized();
}

bool TWinControl::Broadcast(TWinControl* parent, unsigned msg, std::intptr_t wParam)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (!child->Visible() || !child->Enabled())
            continue;
        if (child->Perform(msg, wParam) != 0)
            return true;
        if (child->IsWindowed() && Broadcast(static_cast<TWinControl*>(child), msg, wParam))
            return true;
    }
    return false;
}

void TWinControl::ClientResized()
{
    lastClientWidth_ = ClientWidth();
    lastClientHeight_ = ClientHeight();
    AlignControls();
}

void TWinControl::AlignControls()
{
    if (aligning_)
        return;
    aligning_ = true;
    TRect area = ClientRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* child = Controls(i);
            if (child->Align() != align || !child->Visible())
                continue;
            switch (align) {
            case alTop:
                child->SetBoundsByParent(area.Left, area.Top, area.Width(), child->Height());
                area.Top += child->Height();
                break;
            case alBottom:
                area.Bottom -= child->Height();
                child->SetBoundsByParent(area.Left, area.Bottom, area.Width(), child->Height());
                break;
            case alLeft:
                child->SetBoundsByParent(area.Left, area.Top, child->Width(), area.Height());
                area.Left += child->Width();
                break;
            case alRight:
                area.Right -= child->Width();
                child->SetBoundsByParent(area.Right, area.Top, child->Width(), area.Height());
                break;
            default:
                child->SetBoundsByParent(area.Left, area.Top, area.Width(), area.Height());
                break;
            }
        }
    }
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Align() == alNone)
            Controls(i)->ParentResized(ClientWidth(), ClientHeight());
    aligning_ = false;
}

void TWinControl::VisibleChanged()
{
    if (Parent())
        view_->setVisible(Visible());
}

void TWinControl::EnabledChanged()
{
    view_->setEnabled(Enabled());
}

void TWinControl::ApplyFont()
{
    view_->setFont(Font().ToQFont());
}

void TWinControl::FontChanged()
{
    ApplyFont();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->ParentFontChanged();
    Invalidate();
}

void TWinControl::ColorChanged()
{
    ApplyColor();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->ParentColorChanged();
}

bool TWinControl::HandleAllocated() const
{
    return view_->testAttribute(Qt::WA_WState_Created);
}

bool TWinControl::Focused() const
{
    const TCustomForm* form = GetParentForm();
    return form && form->ActiveControl() == this && form->Active();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return GetParentForm() != nullptr;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm())
        form->FocusControl(this);
}

void TWinControl::SetTabOrder(int value)
{
    if (value == tabOrder_)
        return;
    tabOrder_ = value;
    if (Parent())
        Parent()->ApplyTabOrder();
}

void TWinControl::SetTabStop(bool value)
{
    tabStop_ = value;
    view_->setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void TWinControl::ApplyTabOrder()
{
    std::vector<TWinControl*> order = windows_;
    std::stable_sort(order.begin(), order.end(), [](TWinControl* a, TWinControl* b) {
        return static_cast<unsigned>(a->tabOrder_) < static_cast<unsigned>(b->tabOrder_);
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->view_, order[i]->view_);
}

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENTER:
        if (OnEnter)
            OnEnter(this);
        break;
    case CM_EXIT:
        if (OnExit)
            OnExit(this);
        break;
    default:
        TControl::WndProc(message);
        break;
    }
}

void TWinControl::PaintWindow(QImage& buffer, const QRect& update, QPoint offset)
{
    QPainter painter(&buffer);
    painter.fillRect(update.translated(-offset), ToQColor(Color()));
}

namespace {
// A buffer for size logical pixels at ratio device pixels per logical pixel.
QImage SurfaceBuffer(QSize size, qreal ratio)
{
    QImage buffer(size * ratio, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    return buffer;
}

// The logical rectangle rect of buffer in its device pixels.
QRect DeviceArea(const QImage& buffer, const QRect& rect)
{
    const qreal ratio = buffer.devicePixelRatio();
    return QRect(QPoint(qRound(rect.x() * ratio), qRound(rect.y() * ratio)), rect.size() * ratio);
}
} // namespace

void TWinControl::PaintSurface(QPainter& target, const QRect& update)
{
    const QSize size = ClientView()->size();
    const qreal ratio = ClientView()->devicePixelRatioF();
    const QRect placeBefore = view_->geometry();
    if (KeepsBackBuffer()) {
        QRect clip = update;
        if (backBuffer_.size() != size * ratio || backBuffer_.devicePixelRatio() != ratio) {
            backBuffer_ = SurfaceBuffer(size, ratio);
            clip = QRect(QPoint(), size); // nothing of an old buffer is worth keeping
        }
        clip &= QRect(QPoint(), size);
        if (!clip.isEmpty()) {
            PaintPass(backBuffer_, clip, QPoint());
            target.drawImage(clip.topLeft(), backBuffer_, DeviceArea(backBuffer_, clip));
        }
    } else {
        backBuffer_ = QImage();
        constexpr int BandHeight = 64;
        const QRect area = update & QRect(QPoint(), size);
        QImage band
            = SurfaceBuffer(QSize(area.width(), std::min(BandHeight, area.height())), ratio);
        for (int top = area.top(); top <= area.bottom(); top += BandHeight) {
            const QRect strip(
                area.left(), top, area.width(), std::min(BandHeight, area.bottom() + 1 - top));
            PaintPass(band, strip, strip.topLeft());
            target.drawImage(
                strip.topLeft(), band, DeviceArea(band, QRect(QPoint(), strip.size())));
        }
    }
    // A control that moved itself while painting (the board image centres itself then) was
    // only partly painted at its new place: paint it whole there.
    if (view_->geometry() != placeBefore)
        ClientView()->update();
    SurfacePainted();
}

void TWinControl::PaintPass(QImage& buffer, const QRect& clip, QPoint offset)
{
    Application->BeginPaint();
    Application->Guard([&] { PaintWindow(buffer, clip, offset); });
    for (TControl* child : std::vector<TControl*>(graphics_)) {
        const QRect area(child->Left(), child->Top(), child->Width(), child->Height());
        if (child->Visible() && clip.intersects(area))
            Application->Guard(
                [&] { static_cast<TGraphicControl*>(child)->PaintIn(buffer, clip, offset); });
    }
    Application->EndPaint();
}

TControl* TWinControl::MouseTargetAt(TPoint point) const
{
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        TControl* child = *it;
        if (child->Visible() && child->Enabled() && child->BoundsRect().Contains(point.X, point.Y))
            return child;
    }
    return const_cast<TWinControl*>(this);
}

TPoint TWinControl::LocalPoint(const TControl* target, TPoint point) const
{
    return target == this ? point : TPoint {point.X - target->Left(), point.Y - target->Top()};
}

void TWinControl::SurfaceMousePress(QMouseEvent* event)
{
    const TPoint point = PointOf(event);
    TControl* target = MouseTargetAt(point);
    const TMouseButton button = ButtonOf(event);
    if (button == mbLeft)
        pressed_ = target;
    const TPoint local = LocalPoint(target, point);
    target->MouseDown(button, local.X, local.Y);
}

void TWinControl::SurfaceMouseRelease(QMouseEvent* event)
{
    const TPoint point = PointOf(event);
    const TMouseButton button = ButtonOf(event);
    TControl* target = button == mbLeft && pressed_ ? pressed_ : MouseTargetAt(point);
    const TPoint local = LocalPoint(target, point);
    target->MouseUp(button, local.X, local.Y);
    // A click is a press and a release of the left button inside the same control.
    const bool clicked
        = button == mbLeft && pressed_ == target && target->ClientRect().Contains(local.X, local.Y);
    if (button == mbLeft)
        pressed_ = nullptr;
    if (clicked)
        target->Click();
}

void TWinControl::SurfaceDoubleClick(QMouseEvent* event)
{
    // The second press of a double-click is no click.
    pressed_ = nullptr;
    MouseTargetAt(PointOf(event))->DblClick();
}
