// SPDX-License-Identifier: GPL-3.0-or-later
// A plan that cannot be encoded, as the user meets it: the video row and the
// quality figure say why when hovered and when read, in the language shown,
// until the disk space is raised and shared out again.
#include "widget_harness.h"

#include <QHelpEvent>
#include <QToolTip>

namespace norv::test {
namespace {

// The tool-tip that shows while the pointer rests there.
QString hovered(QWidget* widget, QPoint at)
{
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    // A tip being hidden stays visible a moment: only an accepted event shows one.
    const QString text = event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return text;
}

QString hoveredRow(const char* name, int row)
{
    QListWidget* list = column(name);
    return hovered(list->viewport(), list->visualItemRect(list->item(row)).center());
}

// The allocation from the keyboard: Enter on the list.
void shareOut()
{
    ASSERT_TRUE(tabTo("streamlist"));
    press(Qt::Key_Return);
}

const char* const kColumns[] = {"streamlist", "streampercentual", "streamdimension", "dimensiontype"};
const QString kQualityTip = QStringLiteral("bit / (pixel * fps) [x 10000]");

TEST(PlanWarningsUi, AStarvedVideoRowSaysWhyInBothLanguagesUntilTheDiskSpaceIsRaised)
{
    // State: 128000 bit/s of audio for 60 s need 960000 bytes; 900000 typed.
    UiNorv norv;
    Norv_main& m = norv.model();
    m.appendStreamRow("Video", "100%", "", "");
    m.appendStreamRow("Audio", "", "128000", "bit/s");
    type("diskspace", "*900000");
    type("lenght", "*60");

    // Action: shared out, then the length typed again, which shows the
    // quality figure of what the video got.
    shareOut();
    type("lenght", "*60");
    ASSERT_EQ(m.streamdimension.item(0), "-8000");

    // Expected: the row and the figure say by how much, in each language.
    const QString texts[] = {
        QStringLiteral("Cannot be encoded: the disk space is 60000 bytes too small; the fixed streams and the "
                       "container overhead alone need 960000 bytes."),
        QString::fromUtf8("Non codificabile: lo spazio su disco \u00e8 insufficiente di 60000 bytes; gli stream "
                          "fissi e l'overhead del container da soli richiedono 960000 bytes."),
    };
    for (const QString& text : texts) {
        if (&text != texts) {
            platformClick(button("Norv_main", "Option"));
            platformClick(UiNorv::widget<QRadioButton>("Norv_option", "lingua(0)"));
            activate(UiNorv::window("Norv_main"));
        }
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(column("streamlist")->item(0)->data(Qt::AccessibleTextRole).toString(),
                  QStringLiteral("Video 100% -8000 bit/s. ") + text);
        for (const char* name : kColumns) {
            EXPECT_EQ(hoveredRow(name, 0), text) << name;
            EXPECT_EQ(column(name)->item(0)->data(Qt::AccessibleDescriptionRole).toString(), text) << name;
            EXPECT_EQ(hoveredRow(name, 1), "") << name;
        }
        EXPECT_EQ(field("videoquality")->toolTip(), kQualityTip + "\n" + text);
        EXPECT_EQ(field("videoquality")->accessibleDescription(), text);
    }

    // Action: a disk space that holds the audio and more, shared out again.
    type("diskspace", "*2000000");
    shareOut();

    // Expected: nothing marked; every cell as the models hold it.
    for (const char* name : kColumns) {
        EXPECT_EQ(hoveredRow(name, 0), "") << name;
        EXPECT_EQ(column(name)->item(0)->data(Qt::AccessibleDescriptionRole).toString(), "") << name;
        EXPECT_EQ(column(name)->item(0)->foreground(), column(name)->item(1)->foreground()) << name;
    }
    EXPECT_EQ(field("videoquality")->toolTip(), kQualityTip);
    EXPECT_EQ(field("videoquality")->accessibleDescription(), "");
    expectMainShowsModel(m, "sharing out a larger disk space");
}

} // namespace
} // namespace norv::test
