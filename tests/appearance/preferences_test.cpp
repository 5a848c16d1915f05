// The preferences dialog's wiring: the scheme box, Save, Delete, the swatch, OK and Cancel, and
// the main window taking the colours, across a restart too.
#include "appearance/freezable_registry.h"
#include "appearance/preferences.h"
#include "appearance/qt_colour.h"
#include "appearance/scheme_store.h"
#include "support/mainform_harness.h"
#include "support/qt_pixels.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

namespace {

const std::string Settings = "Software\\Quorvane";

// Runs the step once the dialog is on screen; a dialog the step leaves open is cancelled.
void WhenShown(QDialog& dialog, std::function<void()> step) {
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        QVERIFY(dialog.isVisible());
        step();
        if (dialog.isVisible())
            dialog.reject();
    });
}

template <typename T> T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr)
        qFatal("no control %s", name);
    return child;
}

ColourSet Numbered(ColourValue first) {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] = first + static_cast<ColourValue>(role) * 0x010101;
    return colours;
}

QStringList Entries(const QComboBox& box) {
    QStringList entries;
    for (int i = 0; i < box.count(); ++i)
        entries.append(box.itemText(i));
    return entries;
}

std::optional<std::string> ColorSet(RegistryStore& registry) {
    return registry.OpenKey(Settings, false)->ReadString("ColorSet");
}

// The dialog with its controls, answering the colour picker with the next colour it is given.
struct Preferences {
    explicit Preferences(RegistryStore& registry, MessageDialogs& messages)
        : Dialog(registry, messages) {
        Dialog.UseColourPicker([this](const QColor& initial) -> std::optional<QColor> {
            PickerStarts.push_back(initial);
            if (Answers.empty())
                return std::nullopt;
            const QColor next = Answers.front();
            Answers.erase(Answers.begin());
            return next;
        });
    }
    void Pick(int element, QColor colour) {
        Elements->setCurrentIndex(element);
        Answers.push_back(colour);
        QTest::mouseClick(Swatch, Qt::LeftButton, {}, QPoint(5, 5));
    }
    QColor SwatchColour() const { return Swatch->palette().color(QPalette::Window); }

    Tfpreferences Dialog;
    QComboBox* Schemes = Child<QComboBox>(Dialog, "ComboBox1");
    QComboBox* Elements = Child<QComboBox>(Dialog, "ComboBox2");
    QFrame* Swatch = Child<QFrame>(Dialog, "Panel2");
    QPushButton* Ok = Child<QPushButton>(Dialog, "Button2");
    QPushButton* Save = Child<QPushButton>(Dialog, "Button6");
    QPushButton* Delete = Child<QPushButton>(Dialog, "Button5");
    std::vector<QColor> Answers;
    std::vector<QColor> PickerStarts;
};

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    void ControlsAndListsAsDesigned() {
        MemoryRegistry registry;
        SaveScheme(registry, "beta", DefaultScheme);
        SaveScheme(registry, "Alpha", DefaultScheme);
        AnsweringMessages messages;
        Preferences p(registry, messages);
        QCOMPARE(p.Dialog.windowTitle(), QStringLiteral("Preferences"));
        QCOMPARE(p.Dialog.size(), QSize(421, 338));
        QCOMPARE(Entries(*p.Schemes), QStringList({"[Current]", "[Default]", "Alpha", "beta"}));
        QCOMPARE(
            Entries(*p.Elements),
            QStringList({"Window Background", "Central Board", "Left & Top Board", "Single Line ",
                         "Double Line", "Excluded Cell", "Marked Cell", "Finalised Cell",
                         "Finalised Axis Font", "Marked Axis Font", "Normal Axis Font"}));
        QCOMPARE(p.Swatch->cursor().shape(), Qt::PointingHandCursor);
    }

    // A typed bracketed entry means that entry in any case; the picker starts on its last colour.
    void CancelDropsTheEditsAndTheNextShowingStartsOnCurrent() {
        MemoryRegistry registry;
        SaveScheme(registry, "Autumn", Numbered(0x30));
        AnsweringMessages messages;
        Preferences p(registry, messages);
        const AppearanceChoice board{Numbered(0x10), "Autumn"};
        const CellPitch small = PitchOf(BoardSize::Small);

        WhenShown(p.Dialog, [&] {
            p.Schemes->setEditText(QStringLiteral("[default]"));
            QCOMPARE(p.Dialog.DialogColours(), DefaultScheme);
            p.Pick(2, Qt::red);
            QCOMPARE(p.Dialog.DialogColours()[2], RgbColour(255, 0, 0));
        });
        const AppearanceChoice cancelled = p.Dialog.Choose(board, small);
        QCOMPARE(cancelled.BoardColours, board.BoardColours);

        WhenShown(p.Dialog, [&] {
            QCOMPARE(p.Schemes->currentText(), QStringLiteral("[Current]"));
            QCOMPARE(p.Dialog.DialogColours(), board.BoardColours);
            p.Pick(0, Qt::blue);
        });
        p.Dialog.Choose(board, small);
        QCOMPARE(p.PickerStarts, std::vector<QColor>({Qt::black, Qt::red}));
    }

    void ElementListChangesTheSwatchOnly() {
        MemoryRegistry registry;
        AnsweringMessages messages;
        Preferences p(registry, messages);
        WhenShown(p.Dialog, [&] {
            const PixelImage before = p.Dialog.PreviewImage();
            p.Elements->setCurrentIndex(4);
            QCOMPARE(p.SwatchColour(), ToQColor(Numbered(0x10)[4]));
            QVERIFY(p.Dialog.PreviewImage() == before);
            QCOMPARE(p.Dialog.DialogColours(), Numbered(0x10));
        });
        p.Dialog.Choose({Numbered(0x10), ""}, PitchOf(BoardSize::Small));
    }

    void SaveOnCurrentIsRefusedAndWritesNoKey() {
        MemoryRegistry registry;
        AnsweringMessages messages;
        Preferences p(registry, messages);
        WhenShown(p.Dialog, [&] {
            p.Save->click();
            QCOMPARE(p.Schemes->currentText(), QString());
        });
        p.Dialog.Choose({DefaultScheme, ""}, PitchOf(BoardSize::Small));
        QCOMPARE(messages.Shown, QStringList("You must provide a name for this color scheme."));
        QVERIFY(StoredSchemeNames(registry).empty());
    }

    // Every refused name was answered as a missing one and emptied from the box, and "[default]"
    // was refused. A name the registry cannot hold is refused with its reason and stays to be
    // mended; "[default]" is stored, listed and remembered like any other name.
    void NameTheRegistryCannotHoldWasTakenForAMissingOne() {
        MemoryRegistry registry;
        AnsweringMessages messages;
        Preferences p(registry, messages);
        const QString tooLong(MaxSchemeNameLength + 1, QLatin1Char('n'));
        WhenShown(p.Dialog, [&] {
            for (const QString& name : {QStringLiteral("Warm\\Cold"), tooLong}) {
                p.Schemes->setEditText(name);
                p.Save->click();
                QCOMPARE(p.Schemes->currentText(), name);
            }
            p.Schemes->setEditText(QStringLiteral("[default]"));
            p.Pick(1, Qt::red);
            p.Save->click();
            QCOMPARE(Entries(*p.Schemes), QStringList({"[Current]", "[Default]", "[default]"}));
            QCOMPARE(p.Dialog.DialogColours()[1], RgbColour(255, 0, 0));
            p.Ok->click();
        });
        const AppearanceChoice chosen =
            p.Dialog.Choose({DefaultScheme, ""}, PitchOf(BoardSize::Small));
        QCOMPARE(messages.Shown,
                 QStringList(
                     {QString::fromStdString(SchemeNameFaultText(SchemeNameFault::HoldsSeparator)),
                      QString::fromStdString(SchemeNameFaultText(SchemeNameFault::TooLong))}));
        QCOMPARE(StoredSchemeNames(registry), std::vector<std::string>{"[default]"});
        QCOMPARE(chosen.BoardColours[1], RgbColour(255, 0, 0));
        QCOMPARE(ColorSet(registry), std::optional<std::string>("[default]"));
    }

    // The swatch took no focus, so only the mouse could open the colour picker. Tab now reaches it
    // between the element list and OK, it shows the focus, and Space or Enter opens the picker.
    void SwatchWasOutOfReachOfTheKeyboard() {
        MemoryRegistry registry;
        AnsweringMessages messages;
        Preferences p(registry, messages);
        WhenShown(p.Dialog, [&] {
            QApplication::setActiveWindow(&p.Dialog);
            p.Elements->setCurrentIndex(3);
            p.Elements->setFocus();
            const QImage unfocused = p.Swatch->grab().toImage();
            QTest::keyClick(p.Elements, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), p.Swatch);
            QVERIFY(p.Swatch->grab().toImage() != unfocused);
            QTest::keyClick(p.Swatch, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), p.Ok);
            QTest::keyClick(p.Ok, Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), p.Swatch);

            const QColor answers[] = {Qt::red, Qt::green, Qt::blue};
            p.Answers.assign(std::begin(answers), std::end(answers));
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(p.Swatch, key);
            QVERIFY(p.Dialog.isVisible());
            QCOMPARE(p.PickerStarts.size(), 3u);
            QCOMPARE(p.Dialog.DialogColours()[3], RgbColour(0, 0, 255));
            QCOMPARE(p.SwatchColour(), QColor(Qt::blue));
        });
        p.Dialog.Choose({DefaultScheme, ""}, PitchOf(BoardSize::Small));
    }

    void DeleteRemovesTheKeyAndTheListEntryOnly() {
        MemoryRegistry registry;
        SaveScheme(registry, "Autumn", Numbered(0x30));
        SaveScheme(registry, "Winter", Numbered(0x50));
        AnsweringMessages messages;
        Preferences p(registry, messages);
        WhenShown(p.Dialog, [&] {
            p.Schemes->setCurrentIndex(2);
            p.Delete->click();
            QCOMPARE(Entries(*p.Schemes), QStringList({"[Current]", "[Default]", "Winter"}));
            QCOMPARE(p.Schemes->currentText(), QStringLiteral("Autumn"));
            QCOMPARE(p.Dialog.DialogColours(), Numbered(0x30));
            p.Schemes->setEditText(QStringLiteral("[Default]"));
            p.Delete->click();
            QCOMPARE(Entries(*p.Schemes), QStringList({"[Current]", "[Default]", "Winter"}));
        });
        p.Dialog.Choose({DefaultScheme, ""}, PitchOf(BoardSize::Small));
        QCOMPARE(StoredSchemeNames(registry), std::vector<std::string>{"Winter"});
        QVERIFY(messages.Shown.isEmpty());
    }

    void RefusedWritesAreReportedAndForgotten() {
        FreezableRegistry registry;
        SaveScheme(registry, "Autumn", Numbered(0x30));
        AnsweringMessages messages;
        Preferences p(registry, messages);
        registry.Frozen = true;
        WhenShown(p.Dialog, [&] {
            p.Schemes->setEditText(QStringLiteral("Winter"));
            p.Save->click();
            QCOMPARE(p.Schemes->count(), 3);
            p.Schemes->setCurrentIndex(2);
            p.Ok->click();
        });
        const AppearanceChoice chosen =
            p.Dialog.Choose({DefaultScheme, "Old"}, PitchOf(BoardSize::Small));
        QCOMPARE(chosen.BoardColours, Numbered(0x30));
        QCOMPARE(chosen.ActiveSchemeName, std::string("Old"));
        QCOMPARE(messages.Shown.size(), 2);
        for (const QString& shown : messages.Shown)
            QVERIFY(shown.startsWith(QStringLiteral("Quorvane could not store")));
    }

    // "[Default]" holds for this run only: ColorSet keeps the scheme the next start loads.
    void DefaultWithOkChangesTheBoardForThisRunOnly() {
        MainformHarness h;
        SaveScheme(h.Registry, "Autumn", Numbered(0x30));
        h.Registry.OpenKey(Settings, true)->WriteString("ColorSet", "Autumn");
        Preferences p(h.Registry, h.Messages);
        auto mainform = Open(h, p);
        QCOMPARE(mainform->BoardColours(), Numbered(0x30));

        WhenShown(p.Dialog, [&] {
            p.Schemes->setCurrentIndex(1);
            p.Ok->click();
        });
        Control<QAction>(*mainform, "Preferences1")->trigger();
        QCOMPARE(mainform->BoardColours(), DefaultScheme);
        QCOMPARE(CornerColour(*mainform), DefaultScheme[0]);
        QCOMPARE(ColorSet(h.Registry), std::optional<std::string>("Autumn"));
        QCOMPARE(h.Create()->BoardColours(), Numbered(0x30));
    }

    void SavedSchemeChosenWithOkIsLoadedAfterARestart() {
        MainformHarness h;
        Preferences p(h.Registry, h.Messages);
        auto mainform = Open(h, p);
        ColourSet expected = DefaultScheme;
        expected[0] = RgbColour(10, 20, 30);

        WhenShown(p.Dialog, [&] {
            p.Pick(0, QColor(10, 20, 30));
            for (int i = 0; i < 2; ++i) {
                p.Schemes->setEditText(QStringLiteral("Night"));
                p.Save->click();
            }
            QCOMPARE(Entries(*p.Schemes), QStringList({"[Current]", "[Default]", "Night"}));
            p.Ok->click();
        });
        Control<QAction>(*mainform, "Preferences1")->trigger();
        QCOMPARE(ColorSet(h.Registry), std::optional<std::string>("Night"));
        QCOMPARE(mainform->ActiveSchemeName(), std::string("Night"));
        QCOMPARE(ReadStoredScheme(h.Registry, "Night"), std::optional<ColourSet>(expected));
        QCOMPARE(CornerColour(*mainform), expected[0]);

        auto again = h.Create();
        again->LoadPuzzle(h.WritePuzzle("arrow.qvf"));
        QCOMPARE(again->BoardColours(), expected);
        QCOMPARE(CornerColour(*again), expected[0]);
    }

    // Small cells put grid row 1's filled cells where large ones have the left clue area.
    void PreviewFollowsABoardSizeSwitch() {
        MainformHarness h;
        Preferences p(h.Registry, h.Messages);
        auto mainform = Open(h, p);
        std::vector<QRgb> shown;
        for (const char* size : {"Small1", "Medium1"}) {
            Control<QAction>(*mainform, size)->trigger();
            WhenShown(p.Dialog, [&] { shown.push_back(p.Dialog.PreviewImage().At(105, 73)); });
            Control<QAction>(*mainform, "Preferences1")->trigger();
        }
        QCOMPARE(shown, std::vector<QRgb>(
                            {ToQColor(DefaultScheme[7]).rgb(), ToQColor(DefaultScheme[2]).rgb()}));
    }

private:
    // A main window with a puzzle on its board, showing this dialog for its Preferences command.
    static std::unique_ptr<Tfmainform> Open(MainformHarness& h, Preferences& p) {
        h.ReplaceDialogs = [&p](MainformDialogs& dialogs) { dialogs.Preferences = &p.Dialog; };
        auto mainform = h.Create();
        mainform->LoadPuzzle(h.WritePuzzle("arrow.qvf"));
        return mainform;
    }

    static ColourValue CornerColour(const Tfmainform& mainform) {
        return FromQColor(QColor::fromRgb(mainform.BoardImage().At(0, 0)));
    }
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
