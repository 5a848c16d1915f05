// The about box: the read-me text as the file has it, and a box that opens without the file.
#include "library/about.h"
#include "support/temp_folder.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>

namespace {

QString MemoText(const Tfabout& about) {
    return about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheReadmeLineByLineInTheFilesCodePage() {
        TempFolder folder;
        // Windows line ends, a Unix one and a last line without an end; 0xE9 is e acute.
        std::ofstream(folder / "Readme.txt", std::ios::binary) << "Quorvane\r\ncaf\xE9\n\r\nEnd";
        Tfabout about(folder.Path());
        QCOMPARE(MemoText(about), QStringLiteral("Quorvane\ncaf\u00E9\n\nEnd"));
        QVERIFY(about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->isReadOnly());
    }

    void OpensAndClosesWithoutAReadme() {
        TempFolder folder;
        std::filesystem::create_directory(folder / "Readme.txt"); // a folder, not a file
        for (const std::filesystem::path& programFolder :
             {folder.Path() / "absent", folder.Path()}) {
            Tfabout about(programFolder);
            QCOMPARE(MemoText(about), QString());
            bool shown = false;
            QTimer::singleShot(0, &about, [&] {
                shown = about.isVisible();
                about.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            });
            QCOMPARE(about.exec(), int(QDialog::Accepted));
            QVERIFY(shown);
        }
    }

    // The banner comes from the resources, and the beta line's face is Impact or the condensed
    // bold face that stands in for it, never whatever fontconfig would pick.
    void ShowsTheBannerAndTheBetaLinesFace() {
        TempFolder folder;
        Tfabout about(folder.Path());
        QCOMPARE(about.size(), QSize(376, 482));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().size(),
                 QSize(350, 100));
        const QFontInfo beta(about.findChild<QLabel*>(QStringLiteral("Label5"))->font());
        if (beta.family() != QStringLiteral("Impact")) {
            QCOMPARE(beta.family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(beta.style(), QFont::StyleNormal);
            QVERIFY(beta.bold());
            QVERIFY(beta.styleName().contains(QStringLiteral("Condensed")));
        }
        QCOMPARE(beta.pixelSize(), 19);
    }

    // The stand-in face is wider than Impact, and the beta line's first letter was cut off: the
    // label keeps its place and shows its whole text within the box.
    void BetaLineWasClippedByAWiderFace() {
        TempFolder folder;
        Tfabout about(folder.Path());
        const auto* beta = about.findChild<QLabel*>(QStringLiteral("Label5"));
        QCOMPARE(beta->pos(), QPoint(264, 114));
        QVERIFY(QFontMetrics(beta->font()).horizontalAdvance(beta->text()) <= beta->width());
        QVERIFY(beta->geometry().right() < about.width());
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
