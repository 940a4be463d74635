#include "program_identity.h"

#include "designed_control.h"
#include "fonts.h"

#include <QLabel>
#include <QPixmap>

namespace orvanta {

QLabel* productNameLabel(int index, QWidget* container, int leftTwips, int topTwips) {
    const QByteArray name = QByteArray("lblProductName(") + QByteArray::number(index) + ")";
    auto* label = designed(new QLabel(programName, container), name.constData(), leftTwips, topTwips, 4665, 765);
    label->setFont(designFont("Arial", 32.25, QFont::Bold));
    if (index == 1) setTextColour(label, QColor(128, 128, 128));
    label->adjustSize();
    return label;
}

QLabel* programPicture(QWidget* container, const char* name, int leftTwips, int topTwips) {
    auto* picture = designed(new QLabel(container), name, leftTwips, topTwips, 2385, 2955);
    picture->setAccessibleName("Orvanta picture");
    picture->setPixmap(QPixmap(":/orvanta/orvanta.gif"));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

}  // namespace orvanta
