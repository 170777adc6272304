#pragma once

#include <QString>
#include <QWidget>
#include <chrono>
#include <memory>

#include "platform/Failure.h"

namespace tavrel {
class Surface;
class Tavrel;
class TavrelEvents;
}  // namespace tavrel

namespace tavrel::qt {

// A Qt widget that hosts the navigation bar control the way a form hosts it: it creates the
// control (OnCreate first, OnDestroy last), gives it default or saved settings, forwards resize,
// show and paint, and real mouse input in the control's pixels; its extender "Width" is in twips
// (15 to a pixel). MenuItemClick arrives as a signal, and by reference on an event sink if one is
// set. Animation frames reach the screen as they are drawn.
class TavrelWidget : public QWidget {
    Q_OBJECT

public:
    explicit TavrelWidget(QWidget* parent = nullptr);
    ~TavrelWidget() override;

    // Replaces the control by a new instance with default settings.
    void NewInstance();
    // Replaces the control by one built from a settings file; when the file cannot be loaded the
    // current control stays and the failure names the file and what is wrong.
    ErrorOr<void> LoadInstance(const QString& path);
    ErrorOr<void> SaveInstance(const QString& path);

    Tavrel& Control();
    Surface& VisibleSurface();
    int OutstandingDownloads() const;

    // The events by reference, as the control raises them (MenuNumber is the control's own).
    void SetEventSink(TavrelEvents* sink);
    // Waits, when needed, until this long has passed since the previous frame, so that a person
    // can follow a slide on a fast machine; zero presents frames as fast as they come.
    void SetFramePacing(std::chrono::microseconds pacing);
    // Whether each frame of an animation is repainted as it is drawn (the default); without it
    // only the finished picture reaches the screen.
    void SetFramePresentation(bool bPresent);
    // Modal message boxes (the default), or only the MessageShown signal.
    void SetModalMessages(bool bModal);
    // Whether the extender accepts the "Parent" probe (icons saved as pictures) or refuses it
    // (icons saved as picture locations). Applies to the next instance.
    void SetAcceptsExtenderParent(bool bAccepts);
    // Whether picture locations are fetched (the default); without, every request is refused.
    void SetDownloadsAllowed(bool bAllowed);

    QSize sizeHint() const override;

signals:
    void MenuItemClick(int MenuNumber, int MenuItem);
    void PropertyChanged(const QString& name);
    void Beeped();
    void MessageShown(const QString& text);
    void FramePresented();
    void DownloadWarning(const QString& line);
    void FormShown(const QString& title);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tavrel::qt
