#include "shell/single_instance.h"

#include <gtest/gtest.h>

namespace quorvane::shell {
namespace {

TEST(PanelMutexName, TheSameFolderGivesTheSameNameWhateverItsSpelling) {
    const std::string name = panelMutexName("C:\\Tools\\Quorvane");
    EXPECT_EQ(panelMutexName("c:\\tools\\QUORVANE"), name);
    EXPECT_EQ(panelMutexName("C:\\Tools\\Quorvane\\"), name);
    EXPECT_EQ(panelMutexName("C:/Tools/Quorvane"), name);
    EXPECT_NE(panelMutexName("C:\\Tools\\Quorvane2"), name);
    EXPECT_NE(panelMutexName("D:\\Tools\\Quorvane"), name);
    EXPECT_NE(panelMutexName("C:\\Tools\\Quorvane工具"), name);
}

TEST(PanelMutexName, IsAValidLocalKernelObjectName) {
    const std::string name = panelMutexName("C:\\" + std::string(600, 'x'));
    EXPECT_EQ(name.rfind("Local\\", 0), 0u);
    EXPECT_EQ(name.find('\\', 6), std::string::npos) << "only the namespace's backslash";
    EXPECT_LT(name.size(), 260u);
}

}  // namespace
}  // namespace quorvane::shell
