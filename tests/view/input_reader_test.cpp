// The Qt key -> scan code table and the reader that keeps keys by it.
#include "view/input_reader.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QWidget>
#include <map>

#include "view_test_fixture.h"

namespace {

using vh::view::ScanCodeOfQtKey;
namespace Key = vh::Key;

TEST(ScanCodes, TheKeysTheEditorReadsHaveTheirCodes) {
    const std::pair<int, int> keys[] = {
        {Qt::Key_W, Key::W},       {Qt::Key_S, Key::S},           {Qt::Key_A, Key::A},
        {Qt::Key_D, Key::D},       {Qt::Key_Q, Key::Q},           {Qt::Key_E, Key::E},
        {Qt::Key_L, Key::L},       {Qt::Key_Up, Key::Up},         {Qt::Key_Down, Key::Down},
        {Qt::Key_Left, Key::Left}, {Qt::Key_Right, Key::Right},   {Qt::Key_Home, Key::Home},
        {Qt::Key_End, Key::End},   {Qt::Key_PageUp, Key::PageUp}, {Qt::Key_PageDown, Key::PageDown},
    };
    for (const auto& [qt, code] : keys) EXPECT_EQ(ScanCodeOfQtKey(qt), code) << std::hex << qt;
    for (int unknown : {0, int(Qt::Key_unknown), int(Qt::Key_F35), int(Qt::Key_VolumeUp)})
        EXPECT_EQ(ScanCodeOfQtKey(unknown), 0) << std::hex << unknown;
}

TEST(ScanCodes, EveryCodeFitsTheKeyArrayAndNamesOneKeyOnly) {
    std::map<int, int> keyOfCode;
    int mapped = 0;
    auto check = [&](int qt) {
        const int code = ScanCodeOfQtKey(qt);
        if (code == 0) return;
        ++mapped;
        EXPECT_GT(code, 0);
        EXPECT_LT(code, static_cast<int>(vh::InputState().Keys.size()));
        const auto [it, fresh] = keyOfCode.emplace(code, qt);
        // Return and the keypad's Enter are the one pair sharing a key.
        if (!fresh) {
            EXPECT_EQ(std::minmax(it->second, qt), std::minmax<int>(Qt::Key_Return, Qt::Key_Enter))
                << std::hex << it->second << " and " << qt << " share " << std::dec << code;
        }
    };
    for (int qt = 0x20; qt <= 0xff; ++qt) check(qt);
    for (int qt = 0x01000000; qt <= 0x010000ff; ++qt) check(qt);
    EXPECT_GT(mapped, 60);  // letters, digits, punctuation, F1-F12, the editing keys: all were seen
}

struct Reader : ::testing::Test {
    void Key(QObject* target, QEvent::Type type, int qt, bool autoRepeat = false) {
        QKeyEvent e(type, qt, Qt::NoModifier, QString(), autoRepeat);
        QCoreApplication::sendEvent(target, &e);
    }
    QApplication& app = viewtest::App();
    QWidget view, window;
    vh::view::InputReader reader{&view};
};

TEST_F(Reader, KeysAreHeldByScanCodeUntilReleasedOrTheWindowIsLeft) {
    reader.WatchKeysOf(&window);
    Key(&view, QEvent::KeyPress, Qt::Key_W);
    Key(&window, QEvent::KeyPress, Qt::Key_PageUp);  // the main window's keys count too
    vh::InputState in = reader.Take();
    EXPECT_TRUE(in.KeyDown(Key::W));
    EXPECT_TRUE(in.KeyDown(Key::PageUp));
    EXPECT_FALSE(in.KeyDown(Key::S));

    Key(&view, QEvent::KeyRelease, Qt::Key_W, true);  // a repeat's release is not the key going up
    EXPECT_TRUE(reader.Take().KeyDown(Key::W));
    Key(&view, QEvent::KeyRelease, Qt::Key_W);
    EXPECT_FALSE(reader.Take().KeyDown(Key::W));

    QEvent leave(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_FALSE(reader.Take().KeyDown(Key::PageUp));
}

}  // namespace
