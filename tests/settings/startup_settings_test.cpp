#include "settings/startup_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fakes/fake_panel_view.h"
#include "fakes/fake_text_codec.h"
#include "fakes/temp_dir.h"
#include "settings/settings_keys.h"

namespace quorvane::settings {
namespace {

// What start-up leaves behind, compared as a whole.
struct Outcome {
    Rect bounds{50, 50, 243, 560};
    bool topmost = false;
    bool autoSemicolon = true;
    bool hintsEnabled = false;
    bool addChineseName = false;
    int shrinkSpeed = 100;
    int shrinkStep = 300;
    bool hintsChecked = false;
    bool cursorTrackingChecked = true;
};

class StartupSettingsTest : public ::testing::Test {
protected:
    // The file is written as UTF-8 text and stored as GBK, as the program finds it.
    void putFile(std::string_view utf8) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << codec.fromUtf8(utf8, CodePage::Gbk);
    }
    std::string fileBytes() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void apply() {
        applyStartupSettings(
            settings, items, [this] { ++popupLoads; }, panel, options, geometry, scale);
    }
    void expectOutcome(const Outcome& expected, const std::string& label) {
        EXPECT_EQ(panel.rect, expected.bounds) << label;
        EXPECT_EQ(panel.topmost, expected.topmost) << label;
        EXPECT_EQ(options.autoSemicolon, expected.autoSemicolon) << label;
        EXPECT_EQ(options.hintsEnabled, expected.hintsEnabled) << label;
        EXPECT_EQ(options.addChineseName, expected.addChineseName) << label;
        EXPECT_EQ(geometry.panelWidth, expected.bounds.width) << label;
        EXPECT_EQ(geometry.panelHeight, expected.bounds.height) << label;
        EXPECT_EQ(geometry.shrinkSpeed, expected.shrinkSpeed) << label;
        EXPECT_EQ(geometry.shrinkStep, expected.shrinkStep) << label;
        EXPECT_EQ(panel.checks[items.commandHints], expected.hintsChecked) << label;
        EXPECT_EQ(panel.checks[items.cursorTracking], expected.cursorTrackingChecked) << label;
        EXPECT_EQ(popupLoads, 1) << label << ": the hint popup is loaded whatever the options say";
    }

    fakes::TempDir dir;
    fakes::FakeTextCodec codec;
    std::filesystem::path path = dir / kSettingsFileName;
    IniFile ini{path, codec};
    SettingsFile settings{ini};
    fakes::FakePanelView panel;
    Options options;
    PanelGeometry geometry;
    DpiScale scale;
    const OptionMenuItems items{7, 8};
    int popupLoads = 0;
};

TEST_F(StartupSettingsTest, WithoutAFileEverythingTakesItsDefault) {
    panel.rect = {700, 400, 100, 100};
    apply();
    expectOutcome(Outcome{}, "no file");
    EXPECT_FALSE(std::filesystem::exists(path)) << "start-up writes nothing";
}

TEST_F(StartupSettingsTest, FileValuesApplied) {
    const struct {
        const char* name;
        const char* file;
        Outcome expected;
    } cases[] = {
        {"numbers followed by text", "[shezhi]\n宽度=300abc\n纵坐标=120\n", {.bounds = {50, 120, 300, 560}}},
        {"every place and size key",
         "[shezhi]\n宽度=260\n高度=700\n横坐标=-3\n纵坐标=0\n",
         {.bounds = {-3, 0, 260, 700}}},
        {"text without a number is 0, used as it is",
         "[shezhi]\n宽度=wide\n高度=\n收缩速度=slow\n",
         {.bounds = {50, 50, 0, 0}, .shrinkSpeed = 0, .shrinkStep = 0}},
        {"shrink speed", "[shezhi]\n收缩速度=7\n", {.shrinkSpeed = 7, .shrinkStep = 21}},
        {"a shrink step past the int range holds at the limit",
         "[shezhi]\n收缩速度=2147483647\n",
         {.shrinkSpeed = INT_MAX, .shrinkStep = INT_MAX}},
        {"negative shrink speed",
         "[shezhi]\n收缩速度=-1000000000\n",
         {.shrinkSpeed = -1000000000, .shrinkStep = INT_MIN}},
        {"semicolon off", "[xitong]\nzdtjfh=假\n", {.autoSemicolon = false}},
        {"an empty semicolon value is false too", "[xitong]\nzdtjfh=\n", {.autoSemicolon = false}},
        {"stay on top", "[xitong]\nzzzq=真\n", {.topmost = true}},
        {"hints and Chinese names",
         "[xitong]\nmlts=真\ntstjzwm=真\n",
         {.hintsEnabled = true, .addChineseName = true, .hintsChecked = true}},
        {"caret tracking off", "[xitong]\ngbgz=假\n", {.cursorTrackingChecked = false}},
        {"only 真 turns hints on",
         "[xitong]\nmlts=1\ntstjzwm=true\nzzzq=yes\ngbgz=1\n",
         {.cursorTrackingChecked = false}},
        {"keys are found whatever their case", "[XITONG]\nZZZQ=真\n", {.topmost = true}},
        {"panel keys in the options section do not count", "[xitong]\n宽度=300\n", {}},
    };
    for (const auto& c : cases) {
        putFile(c.file);
        panel = {};
        options = {};
        geometry = {};
        popupLoads = 0;
        apply();
        expectOutcome(c.expected, c.name);
    }
}

// The file keeps designed sizes; the panel gets them in its monitor's pixels.
// Its place is a screen position, not a size, and is taken as it is.
TEST_F(StartupSettingsTest, TheRememberedSizeIsScaledToTheMonitorAndThePlaceIsNot) {
    const struct {
        int dpi;
        const char* file;
        Rect bounds;
    } cases[] = {
        {144, "", {50, 50, 365, 840}},
        {120, "[shezhi]\n宽度=300\n高度=400\n横坐标=700\n纵坐标=9\n", {700, 9, 375, 500}},
        {192, "[shezhi]\n宽度=0\n", {50, 50, 0, 1120}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        putFile(c.file);
        panel = {};
        geometry = {};
        scale = DpiScale(c.dpi);
        apply();
        EXPECT_EQ(panel.rect, c.bounds);
        EXPECT_EQ(scale.toPixels(geometry.panelWidth), c.bounds.width);
        EXPECT_EQ(scale.toPixels(geometry.panelHeight), c.bounds.height);
        EXPECT_EQ(geometry.shrinkSpeed, 100) << "kept in designed units too";
    }
}

// Only a true value acts; a false one leaves whatever state there is.
TEST_F(StartupSettingsTest, AFalseValueTurnsNothingOff) {
    putFile("[xitong]\nzdtjfh=假\nmlts=假\nzzzq=假\ntstjzwm=假\ngbgz=假\n");
    options = {.autoSemicolon = true, .hintsEnabled = true, .addChineseName = true};
    panel.topmost = true;
    panel.checks[items.commandHints] = true;
    panel.checks[items.cursorTracking] = true;
    apply();
    EXPECT_TRUE(panel.checks[items.commandHints]);
    EXPECT_TRUE(panel.checks[items.cursorTracking]);
    EXPECT_TRUE(options.autoSemicolon);
    EXPECT_TRUE(options.hintsEnabled);
    EXPECT_TRUE(options.addChineseName);
    EXPECT_TRUE(panel.topmost);
}

TEST_F(StartupSettingsTest, StartUpWritesNothing) {
    putFile("; hand-edited\n[xitong]\nzdtjfh=假\n[shezhi]\n宽度=300abc\n");
    const std::string before = fileBytes();
    const auto modified = std::filesystem::last_write_time(path);
    apply();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), modified);
}

}  // namespace
}  // namespace quorvane::settings
