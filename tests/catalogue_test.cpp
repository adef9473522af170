// The catalogue filled from the platform's fonts at start-up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include "catalogue/catalogue.h"

#include "host/platform.h"
#include "host/seam.h"
#include "test_support.h"

namespace {

std::vector<std::string> Names(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back("Font " + std::to_string(i));
  return names;
}

void Load(const std::vector<std::string>& names) {
  UseFonts(names);
  ReleaseCatalogue();
  InitCatalogue();
  LoadFontCatalogue();
}

TEST(Catalogue, StartsWithFiveHundredDefaultRecords) {
  ReleaseCatalogue();
  InitCatalogue();
  ASSERT_EQ(systemFontNames.size(), 500u);
  ASSERT_EQ(fontCatalogue.size(), 500u);
  for (const 字符格式& r : fontCatalogue) {
    EXPECT_EQ(r.faceName, FromUtf8("宋体"));
    EXPECT_EQ(r.pointSize, 9);
    EXPECT_EQ(r.baselineOffset, 0);
    EXPECT_EQ(r.effects, 0u);
    EXPECT_EQ(r.textColor, DEFAULT_COLOR);
  }
  for (const Text& n : systemFontNames) EXPECT_TRUE(n.empty());
}

TEST(Catalogue, FillsFromThePlatformListInItsOrder) {
  const struct {
    int count;
    size_t slotCount;
  } cases[] = {{0, 500}, {3, 500}, {500, 500}, {600, 600}};
  const 字符格式 defaults;
  for (const auto& c : cases) {
    Load(Names(c.count));
    EXPECT_EQ(fontCount, c.count);
    EXPECT_EQ(systemFontNames.size(), static_cast<size_t>(c.count));
    ASSERT_EQ(fontCatalogue.size(), c.slotCount) << c.count;
    for (size_t i = 0; i < c.slotCount; ++i) {
      字符格式 expected;
      if (i < static_cast<size_t>(c.count)) expected.faceName = FromUtf8(Names(c.count)[i]);
      ASSERT_EQ(fontCatalogue[i], expected) << "slot " << i << " of " << c.count;
    }
  }
}

TEST(Catalogue, AnEmptyPlatformNameStaysEmpty) {
  Load({"A", "", "宋体"});
  EXPECT_EQ(fontCatalogue[0].faceName, "A");
  EXPECT_EQ(fontCatalogue[1].faceName, "");
  EXPECT_EQ(fontCatalogue[2].faceName, FromUtf8("宋体"));
  EXPECT_EQ(fontCatalogue[3].faceName, FromUtf8("宋体"));
}

// Sees the palette change that switching the visual style makes, and what the catalogue held then.
class StyleWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ApplicationPaletteChange && seenCount < 0) {
      seenCount = fontCount;
      seenLastName = fontCatalogue[3].faceName;
    }
    return QObject::eventFilter(watched, event);
  }
  int seenCount = -1;
  Text seenLastName;
};

TEST(Catalogue, SwitchesTheVisualStyleOnlyAfterEveryNameIsCopied) {
  SetVisualStyle(0);
  StyleWatcher watcher;
  qApp->installEventFilter(&watcher);
  Load(Names(4));
  qApp->removeEventFilter(&watcher);
  EXPECT_EQ(watcher.seenCount, 4);
  EXPECT_EQ(watcher.seenLastName, "Font 3");
  EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
}

TEST(Catalogue, ReleaseFreesBothLists) {
  Load(Names(3));
  ReleaseCatalogue();
  EXPECT_TRUE(systemFontNames.empty());
  EXPECT_TRUE(fontCatalogue.empty());
}

}  // namespace
