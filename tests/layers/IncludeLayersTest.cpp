#include "IncludeLayers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace vur {

void PrintTo(const TIncludeViolation& V, std::ostream* Out) {
    *Out << V.File << ":" << V.Line << " includes " << V.Included;
}

namespace {

struct TFixtureFile {
    std::string Path;
    std::string Text;
};

class IncludeLayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        Root = std::filesystem::path(::testing::TempDir()) /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(Root);
    }
    void TearDown() override { std::filesystem::remove_all(Root); }

    void Write(const std::vector<TFixtureFile>& Files) {
        for (const TFixtureFile& F : Files) {
            std::filesystem::create_directories((Root / F.Path).parent_path());
            std::ofstream(Root / F.Path) << F.Text;
        }
    }

    std::filesystem::path Root;
};

TEST_F(IncludeLayersTest, AcceptsIncludesDownwardsSidewaysInOneFolderAndQtInTheGlue) {
    Write({
        {"platform/gdi/Pen.h", "#include \"platform/numeric/Rounding.h\"\n#include <vector>\n"},
        {"framework/Graphics.h", "#include \"platform/gdi/Pen.h\"\n"},
        {"format/Pattern.cpp", "#include \"framework/Types.h\"\n"},
        {"chart/RoVedure/Canvas.cpp", "#include \"Canvas.h\"\n#include \"../VurConst.h\"\n"},
        {"chart/Chart/Chart.h", "  #  include \"format/Pattern.h\"\n#include \"framework/Graphics.h\"\n"},
        {"app/Main.cpp", "#include \"chart/Chart/Chart.h\"\n"},
        {"embed/qt/ChartWidget.h", "#include \"chart/Chart/Chart.h\"\n#include <QWidget>\n"},
        {"platform/ui/qt/Window.cpp", "#include <QtWidgets/QApplication>\n"},
        // Outside the layers: anything goes.
        {"tests/chart/ChartTest.cpp", "#include \"app/Main.h\"\n#include <QWidget>\n"},
    });
    EXPECT_EQ(FindIncludeViolations(Root), std::vector<TIncludeViolation>{});
}

TEST_F(IncludeLayersTest, ReportsEachUpwardSidewaysOrQtIncludeWithItsLine) {
    Write({
        {"platform/gdi/Dc.cpp", "#include <cmath>\n\n#include \"framework/Rounding.h\"\n"},
        {"framework/Graphics.cpp", "#include \"format/Pattern.h\"\n"},
        {"format/Pattern.h", "#include \"chart/VurConst.h\"\n"},
        {"chart/RoVedure/Canvas.h", "#include \"../../app/Main.h\"\n#include <QImage>\n"},
        {"app/Main.cpp", "#include \"embed/qt/ChartWidget.h\"\n"},
        {"embed/qt/ChartWidget.cpp", "#include \"app/Main.h\"\n"},
        {"platform/ui/Window.h", "#include <QtCore/QObject>\n"},
    });
    const std::vector<TIncludeViolation> Expected{
        {"app/Main.cpp", 1, "embed/qt/ChartWidget.h"},
        {"chart/RoVedure/Canvas.h", 1, "../../app/Main.h"},
        {"chart/RoVedure/Canvas.h", 2, "QImage"},
        {"embed/qt/ChartWidget.cpp", 1, "app/Main.h"},
        {"format/Pattern.h", 1, "chart/VurConst.h"},
        {"framework/Graphics.cpp", 1, "format/Pattern.h"},
        {"platform/gdi/Dc.cpp", 3, "framework/Rounding.h"},
        {"platform/ui/Window.h", 1, "QtCore/QObject"},
    };
    EXPECT_EQ(FindIncludeViolations(Root), Expected);
}

TEST(IncludeLayers, TheSourceTreeKeepsItsLayers) {
    // A wrong root would find nothing and pass.
    ASSERT_TRUE(
        std::filesystem::is_regular_file(std::filesystem::path(VUR_SOURCE_DIR) / "chart/Chart/Chart.h"));
    EXPECT_EQ(FindIncludeViolations(VUR_SOURCE_DIR), std::vector<TIncludeViolation>{});
}

} // namespace
} // namespace vur
