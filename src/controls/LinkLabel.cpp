#include "controls/LinkLabel.h"

#include "controls/EnterKey.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace corvanel::ui {

namespace {

class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // The name follows the shown text unless someone gave the link a name of its own.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override { return QStringList {pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->activated();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* linkAccessibleFactory(const QString&, QObject* object)
{
    if (auto* link = qobject_cast<LinkLabel*>(object)) {
        return new LinkAccessible(link);
    }
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&linkAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && m_pressed && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
    }
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit activated();
    }
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (isEnterPress(*event) || (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)) {
        event->accept();
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // Keyboard users must see which link Enter would follow.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace corvanel::ui
