#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "platform/PropertyPage.h"

class QLineEdit;

namespace tavrel::qt {

// A property page with real Qt widgets bound to its models, at their places in twips (15 to a
// pixel): a group box for the frame, labels, line edits with the boxes' maximum lengths, small
// vertical scroll bars as spinners, the image at its picture's own size and push buttons. After
// every input the widgets show the models again, since one input may change several of them.
class QtPropertyPageView : public QWidget {
public:
    QtPropertyPageView(PropertyPage& page, QWidget* parent);

    // The widget showing a control, or null.
    QWidget* Widget(const std::string& sName) const;
    // Shows the models again.
    void Sync();

private:
    PropertyPage& page_;
    std::map<std::string, QWidget*> widgets_;
};

// Replaces the text of a line edit as a person typing would: everything selected, then one key
// press per character, Backspace for an empty text. The edit's maximum length applies.
void TypeInto(QLineEdit& edit, const QString& text);

}  // namespace tavrel::qt
