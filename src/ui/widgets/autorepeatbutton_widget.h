#pragma once
// The speed button of every window, with auto-repeat.
//
// - The click handler runs when the button is released over it.
// - While it is held down, the handler runs again after InitialPause (500 ms) and then
//   every RepeatInterval (100 ms); Repeat false switches this off.
// - The handler is a plain function, not a slot: an error (exception) it raises stops
//   the repetition, releases the button and is shown with FehlerAnzeigen; it never
//   unwinds into Qt's event loop.
// - A modal box opened by the handler ends the repetition too: the release then goes
//   to the box, and the button must not stay down and keep firing behind it.
// - The hint is the tool tip (setToolTip, "toolTip" in a .ui file). Connect to the
//   handler with setOnClick, not to clicked(): clicked() knows nothing of the repeats.
// - A button without a text (only a picture) has its hint as the name a screen reader
//   reads, also after the hint changes; a name set explicitly (accessibleName) stays.
//
// Setters follow Qt's naming so that uic can set the properties from a .ui file.

#include <QToolButton>

#include <functional>

class QTimer;

namespace orbisto {

class TRxSpeedButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(bool Repeat READ Repeat WRITE setRepeat)
    Q_PROPERTY(int InitialPause READ InitialPause WRITE setInitialPause)
    Q_PROPERTY(int RepeatInterval READ RepeatInterval WRITE setRepeatInterval)

public:
    explicit TRxSpeedButton(QWidget* parent = nullptr);

    void setOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

    bool Repeat() const { return repeat_; }
    void setRepeat(bool an);
    int InitialPause() const { return pause_; }
    void setInitialPause(int ms) { pause_ = ms; }
    int RepeatInterval() const { return intervall_; }
    void setRepeatInterval(int ms) { intervall_ = ms; }

protected:
    bool event(QEvent* event) override;

private:
    void Gedrueckt();
    void Wiederholen();
    void Ausfuehren();
    void Abbrechen();
    void NameAusHinweis();

    std::function<void()> onClick_;
    QTimer* timer_;
    bool repeat_ = true;
    int pause_ = 500;
    int intervall_ = 100;
    QString hinweisName_;  // the accessible name this class set, to tell it from one set explicitly
};

}  // namespace orbisto
