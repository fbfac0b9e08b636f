#pragma once

#include "interface/suggestions.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <array>
#include <vector>

class QLabel;
class QWidget;

namespace tessera {

class Context;
class TPEditor;
class TPPrincipal;

// The suggestion line of the main window and of the editor window. Both show
// the same suggestion and roll out and up together; the pictures advance on
// the interface thread between the person's own events, so nobody waits for them.
class SuggestionLine : public QObject {
    Q_OBJECT
public:
    SuggestionLine(Context& ctx, TPPrincipal& main, TPEditor& editor, QObject* parent = nullptr);

    // The next buttons' pictures, at rest and while pressed (the tip window's arrows).
    void setButtonPictures(const QPixmap& normal, const QPixmap& pressed);
    // Both lines in their places with every picture hidden, as the application
    // activation lays them out.
    void layOut();
    // Shows a suggestion of the context, or with show false only closes the
    // line; any (the next buttons) also takes suggestions whose showings are used up.
    void showSuggestion(int context, bool show, bool any = false);
    bool isOpen() const;

    // A mouse press on a next button while events are enabled.
    void Btn_SiguienteMouseDown(QLabel* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Strip {
        QPointer<QWidget> tab;
        QPointer<QLabel> text;
        std::array<QPointer<QLabel>, 11> pictures;
        QPointer<QLabel> next;
    };
    void addStrip(QWidget* tab, QLabel* text, const std::array<QLabel*, 11>& pictures,
                  QLabel* next);
    void animate(SuggestionAnimation animation);
    void advance();
    void showPicture(int picture);
    void setText(const QString& text);

    Context& ctx_;
    std::vector<Strip> strips_;
    QPixmap normal_;
    QPixmap pressed_;
    QTimer frameTimer_;
    const std::vector<AnimationFrame>* frames_ = nullptr;
    std::size_t nextFrame_ = 0;
};

} // namespace tessera
