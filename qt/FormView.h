#pragma once

#include "FramelessView.h"

#include <functional>

namespace kx {

// The view of one kind of engine window: reaches it typed and wires the
// view's widgets to its handlers.  A handler runs only while the window is
// still loaded.
template <typename Form>
class FormView : public FramelessView {
public:
    FormView(Game& game, Form& window) : FramelessView(game, window) {}

protected:
    using Handler = void (Form::*)();

    // The engine window drawn here; null once it has been unloaded.
    Form* form() const { return static_cast<Form*>(engineWindow()); }
    std::function<void()> on(Handler handler)
    {
        return [this, handler] { (form()->*handler)(); };
    }
    // Makes the widget of one of the window's controls, bound to it once:
    // every sync shows the control's caption and whether it is enabled and
    // visible.  A button's click runs `click`.
    QLabel* bind(Label Form::*label)
    {
        QLabel* widget = makeLabel(form()->*label);
        sync(widget, form()->*label);
        keepInLine([this, widget, label] { sync(widget, form()->*label); });
        return widget;
    }
    QPushButton* bind(Button Form::*button, Handler click = nullptr)
    {
        QPushButton* widget = makeButton(form()->*button, click ? on(click) : std::function<void()>{});
        sync(widget, form()->*button);
        keepInLine([this, widget, button] { sync(widget, form()->*button); });
        return widget;
    }
    void addMark(const QString& mark, const Label& label, Handler click)
    {
        FramelessView::addMark(mark, label.rect, on(click));
    }
    void addTitleStrip(const Label& label, Handler mouseDown)
    {
        FramelessView::addTitleStrip(label.rect, on(mouseDown));
    }
    void closeRequested() override { handle(on(&Form::Form_QueryUnload)); }
};

} // namespace kx
