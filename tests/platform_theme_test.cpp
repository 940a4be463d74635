// What a platform theme does to the windows: the palette and the application font it sets once the
// program runs. The offscreen platform loads no theme, so each look sets the colours a theme gives.
#include "program_fixture.h"

#include "controls/caption_frame.h"
#include "controls/schedule_grid.h"
#include "services/fonts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace orvanta {
namespace {

struct Look {
    const char* name;
    // The palette's colours in the order of QPalette's roles, as qt6ct writes a colour scheme; none
    // for the toolkit's own light palette.
    const char* colours;
    QFont font;  // the application font the theme sets
};

const Look looks[] = {
    {"Light", nullptr, QFont("Serif", 9, QFont::Normal, true)},
    // Captured with QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark (qt6-gtk-platformtheme, Qt 6.4).
    {"AdwaitaDark",
     "#f0f0f0 #323232 #4b4b4b #2a2a2a #212121 #262626 #f0f0f0 #4b4b4b #f0f0f0 #242424 #323232 #191919 #308cc6 "
     "#f0f0f0 #308cc6 #ff00ff #2b2b2b #000000 #ffffdc #000000 #80f0f0f0",
     QFont("Sans", 10)},
    // qt6ct's "darker" scheme, /usr/share/qt6ct/colors/darker.conf, with qt6ct's font set to 12 pt.
    {"Qt6ctDarker",
     "#ffffff #424245 #979797 #5e5c5b #302f2e #4a4947 #ffffff #ffffff #ffffff #3d3d3d #222020 #e7e4e0 #12608a "
     "#f9f9f9 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #80ffffff",
     QFont("Sans Serif", 12)},
    // White on black, cyan selection with black text, grey shades.
    {"HighContrast",
     "#ffffff #000000 #ffffff #c0c0c0 #808080 #808080 #ffffff #ffffff #ffffff #000000 #000000 #000000 #1aebff "
     "#000000 #ffff00 #c0c0c0 #000000 #000000 #000000 #ffffff #c0c0c0",
     QFont("Sans Serif", 8)},
};

void PrintTo(const Look& look, std::ostream* out) { *out << look.name; }

void applyPalette(const Look& look) {
    if (look.colours == nullptr) return;
    const QStringList colours = QString(look.colours).split(' ');
    QPalette palette;
    for (int role = 0; role < colours.size(); ++role)
        palette.setColor(static_cast<QPalette::ColorRole>(role), QColor(colours[role]));
    QApplication::setPalette(palette);
}

// WCAG's contrast ratio of two colours.
double contrast(QRgb first, QRgb second) {
    const auto luminance = [](QRgb colour) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    };
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A text on a window: where it lies in the control that draws it.
struct Text {
    QWidget* control;
    QRect area;
    QString name;
};

Text whole(QWidget* control) { return {control, control->rect(), control->objectName()}; }

// The caption of a frame, above its controls.
Text caption(QWidget* frame) {
    return {frame, QRect(0, 0, frame->width(), frame->childrenRect().top()), frame->objectName() + " caption"};
}

// Draws the window twice, with its texts and without them (every text colour made transparent; the
// title's shadow is drawn behind the title, so it stays). A text's colour is its pixel that stands
// out most from what lies behind it; its contrast is the least between that colour and anything
// behind the text. Reports each text below 4.5:1.
void expectReadable(QWidget& window, const std::vector<Text>& texts) {
    const QImage withTexts = window.grab().toImage();
    QList<QWidget*> controls = window.findChildren<QWidget*>();
    controls << &window;
    for (QWidget* control : controls) {
        if (control->objectName() == "lblProductName(1)") continue;
        QPalette palette = control->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            for (const auto role :
                 {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
                QColor colour = palette.color(group, role);
                colour.setAlpha(0);
                palette.setColor(group, role, colour);
            }
        }
        control->setPalette(palette);
    }
    const QImage behind = window.grab().toImage();
    const qreal scale = withTexts.devicePixelRatio();

    for (const Text& text : texts) {
        const QRect inWindow(text.control->mapTo(&window, text.area.topLeft()), text.area.size());
        const QRect pixels = QRect(inWindow.topLeft() * scale, inWindow.size() * scale) & withTexts.rect();
        QRgb ink = 0;
        double inkContrast = 0;
        std::vector<QRgb> grounds;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const QRgb drawn = withTexts.pixel(x, y), ground = behind.pixel(x, y);
                if (drawn == ground) continue;
                grounds.push_back(ground);
                if (contrast(drawn, ground) > inkContrast) {
                    inkContrast = contrast(drawn, ground);
                    ink = drawn;
                }
            }
        }
        double least = 21;
        for (const QRgb ground : grounds) least = std::min(least, contrast(ink, ground));
        EXPECT_FALSE(grounds.empty()) << text.name.toStdString() << " draws no text";
        EXPECT_GE(least, 4.5) << text.name.toStdString() << " in " << QColor(ink).name().toStdString();
    }
}

class PlatformTheme : public ProgramTest, public testing::WithParamInterface<Look> {
protected:
    void TearDown() override {
        ProgramTest::TearDown();
        QApplication::setPalette(QPalette());
        useOrvantaFonts();
    }

    void calculate() {
        click(entry().cmdCalculate);
        settle();
        ASSERT_TRUE(isLoaded<frmOutput>());
    }

    void showCredits(QPushButton* credits, std::function<void(Window&)> whileShown) {
        whileModal = [whileShown](Window& splash) {
            whileShown(splash);
            QTest::keyClick(&splash, Qt::Key_Space);
        };
        click(credits);
        settle();
    }
};

TEST_P(PlatformTheme, EveryTextReadsOnWhatIsDrawnBehindIt) {
    applyPalette(GetParam());  // as a theme does, once the first windows exist
    settle();
    type("100000", "6", "30");
    frmMain& e = entry();
    expectReadable(e, {caption(e.fraData), whole(e.lblAmount), whole(e.lblRate), whole(e.lblTerms), whole(e.lblDir),
                       whole(e.txtAmount), whole(e.txtRate), whole(e.txtTerms), whole(e.cmdCredits), whole(e.cmdExit),
                       whole(e.cmdCalculate), whole(e.lblProductName[0])});

    calculate();
    frmOutput& r = result();
    ScheduleGrid* grid = r.FGrid;
    const auto cell = [grid](int row, int col, const char* name) {
        const QModelIndex index = grid->model()->index(row - grid->FixedRows(), col - grid->FixedCols());
        return Text{grid->viewport(), grid->visualRect(index), name};
    };
    QHeaderView* headings = grid->horizontalHeader();
    QHeaderView* months = grid->verticalHeader();
    ASSERT_TRUE(grid->selectionModel()->isSelected(grid->currentIndex()));
    expectReadable(
        r, {caption(r.fraData),
            whole(r.Label1[0]),
            whole(r.Label1[1]),
            whole(r.Label1[2]),
            whole(r.Label1[3]),
            whole(r.lblAmount),
            whole(r.lblRate),
            whole(r.lblTerms),
            whole(r.lblPayment),
            whole(r.cmdCredits),
            whole(r.cmdExit),
            whole(r.cmdBack),
            whole(r.lblProductName[0]),
            {grid->findChild<QAbstractButton*>(), grid->findChild<QAbstractButton*>()->rect(), "Month"},
            {headings->viewport(),
             QRect(headings->sectionViewportPosition(0), 0, headings->sectionSize(0), headings->height()), "Payment"},
            {months->viewport(), QRect(0, months->sectionViewportPosition(1), months->width(), months->sectionSize(1)),
             "month 1"},
            cell(2, 1, "payment of month 1"),
            cell(1, 4, "selected amount")});

    showCredits(r.cmdCredits, [](Window& window) {
        auto& s = dynamic_cast<frmSplash&>(window);
        expectReadable(s, {whole(s.Label1), whole(s.lblProductName[0]), whole(s.lblRights), whole(s.lblOwner),
                           whole(s.lblVersion), whole(s.lblNotice)});
    });
}

// The windows look the same before and after the theme's font arrives, whether they exist by then
// (the entry window, the result window) or come later (the credits window).
TEST_P(PlatformTheme, ItsFontLeavesTheFixedLayoutsAsDesigned) {
    applyPalette(GetParam());
    settle();
    type("100000", "6", "30");
    const auto look = [this] {
        entry().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&entry()));
        entry().cmdCredits->setFocus();  // no blinking cursor
        std::vector<QImage> windows = {entry().grab().toImage()};
        calculate();
        windows.push_back(result().grab().toImage());
        showCredits(result().cmdCredits, [&](Window& splash) { windows.push_back(splash.grab().toImage()); });
        click(result().cmdBack);
        settle();
        return windows;
    };
    const std::vector<QImage> designed = look();
    QApplication::setFont(GetParam().font);
    settle();
    const std::vector<QImage> themed = look();
    for (std::size_t window = 0; window < designed.size(); ++window)
        EXPECT_EQ(themed[window], designed[window]) << window;
}

// Every text is drawn in its designed font, whatever font the theme sets: the family it is matched
// to, its size and its weight.
TEST_P(PlatformTheme, EveryTextKeepsItsDesignedFont) {
    QApplication::setFont(GetParam().font);
    type("100000", "6", "30");
    const struct {
        const char* control;
        const char* family;
        double points;
        bool bold;
    } designed[] = {
        {"lblDir", "Liberation Serif", 8.25, false},   {"lblProductName(0)", "Liberation Sans", 32.25, true},
        {"txtAmount", "Liberation Sans", 8.25, false}, {"cmdCalculate", "Liberation Sans", 8.25, false},
        {"FGrid", "Liberation Sans", 8.25, false},     {"lblPayment", "Liberation Sans", 8.25, false},
        {"lblOwner", "Liberation Serif", 12, true},    {"lblVersion", "Liberation Sans", 12, true},
        {"lblRights", "Liberation Sans", 8.25, false}, {"Label1", "Liberation Sans", 8.25, false},
    };
    const auto expectDesigned = [&designed](QWidget& window) {
        for (const auto& [name, family, points, bold] : designed) {
            auto* control = window.findChild<QWidget*>(name);
            if (control == nullptr) continue;  // on another window
            SCOPED_TRACE(name);
            const QFontInfo font(control->font());
            EXPECT_EQ(font.family(), family);
            EXPECT_NEAR(font.pointSizeF(), points, 0.5);
            EXPECT_EQ(font.bold(), bold);
        }
    };
    expectDesigned(entry());
    calculate();
    expectDesigned(result());
    showCredits(result().cmdCredits, expectDesigned);
}

INSTANTIATE_TEST_SUITE_P(Looks, PlatformTheme, testing::ValuesIn(looks),
                         [](const testing::TestParamInfo<Look>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanta
