#include "Accessibility.h"

#include "FramelessView.h"
#include "TerminalView.h"
#include "Widgets.h"

#include <QAccessibleWidget>

namespace kx {

namespace {

const char* const kUnspoken = "kestrixUnspoken";

// A game window: only the controls in sight, and a message window's message.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(FramelessView* view)
        : QAccessibleWidget(view, view->isMessage() ? QAccessible::AlertMessage : QAccessible::Window)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        const auto* view = static_cast<const FramelessView*>(widget());
        if (view->isMessage() && (kind == QAccessible::Description || kind == QAccessible::Value))
            return view->message();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> children;
        for (QWidget* child : widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && child->isVisibleTo(widget()) && !child->property(kUnspoken).toBool())
                children << child;
        return children;
    }
};

// A title strip or a corner mark: a button named for what it does.
class MarkAccessible final : public QAccessibleWidget {
public:
    explicit MarkAccessible(ClickArea* area) : QAccessibleWidget(area, QAccessible::Button)
    {
        addControllingSignal(QString());
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<ClickArea*>(widget())->press();
    }
};

// A strip: its whole text, whichever slice of it is in view.
class StripAccessible final : public QAccessibleWidget {
public:
    explicit StripAccessible(StripWidget* strip) : QAccessibleWidget(strip, QAccessible::StaticText) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return static_cast<const StripWidget*>(widget())->wholeText();
        return QAccessibleWidget::text(kind);
    }
};

// The terminal's rows: the transcript as one read-only text, with the
// selected rows as its selections.
class TranscriptAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TranscriptAccessible(TermRows* rows) : QAccessibleWidget(rows, QAccessible::EditableText) {}
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return rows()->transcript();
        return QAccessibleWidget::text(kind);
    }
    QString text(int start, int end) const override { return rows()->transcript().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(rows()->transcript().size()); }
    int selectionCount() const override { return static_cast<int>(rows()->selectedRanges().size()); }
    void selection(int index, int* start, int* end) const override
    {
        const auto ranges = rows()->selectedRanges();
        *start = *end = 0;
        if (index >= 0 && index < static_cast<int>(ranges.size()))
            std::tie(*start, *end) = ranges[static_cast<std::size_t>(index)];
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    const TermRows* rows() const { return static_cast<const TermRows*>(widget()); }
};

QAccessibleInterface* gameWidgets(const QString&, QObject* object)
{
    if (auto* view = qobject_cast<FramelessView*>(object))
        return new WindowAccessible(view);
    if (auto* area = dynamic_cast<ClickArea*>(object))
        return new MarkAccessible(area);
    if (auto* strip = dynamic_cast<StripWidget*>(object))
        return new StripAccessible(strip);
    if (auto* rows = dynamic_cast<TermRows*>(object))
        return new TranscriptAccessible(rows);
    return nullptr;
}

} // namespace

void InstallAccessibility() { QAccessible::installFactory(gameWidgets); }

void LeaveUnspoken(QWidget& widget) { widget.setProperty(kUnspoken, true); }

} // namespace kx
