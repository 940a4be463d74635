#include "controls/value_label.h"

#include <gtest/gtest.h>

#include <QImage>

namespace orvanta {
namespace {

QImage picture(QLabel& label, const QString& text) {
    label.setFixedSize(65, 17);
    label.setText(text);
    QImage image(label.size(), QImage::Format_ARGB32);
    label.render(&image);
    return image;
}

// Whatever script a value starts with, it is drawn as a left-to-right line from the left edge:
// exactly as a plain label draws the text led by a left-to-right mark.
TEST(ValueLabel, ShowsTheStartAndCutsAtTheRightEdge) {
    for (const QString& text : {QString("\u0631\u06CC\u0627\u0644 1\u2019000\u2019000\u2019000/mo"),
                                QString("\u0661\u066C\u0660\u0660\u0660\u066B\u0660\u0660 \u0631.\u0633.\u200F/mo"),
                                QString("$1,000,000,000.00/mo")}) {
        QWidget window;
        ValueLabel value(&window);
        QLabel reference(&window);
        EXPECT_EQ(picture(value, text), picture(reference, "\u200E" + text)) << text.toStdString();
    }
}

}  // namespace
}  // namespace orvanta
