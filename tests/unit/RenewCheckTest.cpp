#include <gtest/gtest.h>

#include "common/Error.h"
#include "settings/RenewCheck.h"
#include "tests/unit/FakeIniFiles.h"
#include "tests/unit/FakeInternet.h"

namespace tarumo {
namespace {

using Events = std::vector<std::string>;
using testing::FakeIniFiles;
using testing::FakeInternet;
using testing::FakeMemory;

const Events kAllClosed = {"open session", "open request", "close request", "close session"};

class RenewCheckTest : public ::testing::Test {
 protected:
  int Check() { return check_.RenewCheck("P\\"); }
  void Header(const std::string& text) { internet_.lastModified = text; }

  FakeInternet internet_;
  FakeMemory memory_;
  FakeIniFiles ini_;
  ReleaseCheck check_{internet_, memory_, ini_, "http://h/tarumo2.lzh"};
};

TEST_F(RenewCheckTest, EqualStampsAreUpToDateAfterThreePasses) {
  EXPECT_EQ(Check(), renew::kUpToDate);
  EXPECT_EQ(internet_.agent, "tarumo2");
  EXPECT_EQ(internet_.url, "http://h/tarumo2.lzh");
  EXPECT_EQ(internet_.queries, 3);
  // The first pass sizes the buffer, the third finds its length one short and sizes it again.
  EXPECT_EQ(memory_.allocated, (std::vector<std::size_t>{30, 30}));
  EXPECT_TRUE(memory_.AllGivenBack());
  EXPECT_EQ(internet_.events, kAllClosed);
}

TEST_F(RenewCheckTest, ComparesTheArchiveWithDateDat) {
  Header("Mon, 19 Nov 2007 10:11:00 GMT");
  EXPECT_EQ(Check(), renew::kNewerRelease);
  ini_.files["P\\Date.dat"]["UPDATE/Y"] = "2008";
  EXPECT_EQ(Check(), renew::kUpToDate);
  ini_.files.clear();
  Header("Mon, 19 nov 2007 10:10:00 GMT");  // January
  EXPECT_EQ(Check(), renew::kUpToDate);
  Header("Mon, 19 Nov 2007 10:10:59 GMT");  // seconds do not count
  EXPECT_EQ(Check(), renew::kUpToDate);
}

TEST_F(RenewCheckTest, LargeYearsDoNotOverflow) {
  Header("Mon, 19 Nov 2147483647 10:10:00 GMT");
  EXPECT_EQ(Check(), renew::kNewerRelease);
  ini_.files["P\\Date.dat"]["UPDATE/Y"] = "2147483647";
  EXPECT_EQ(Check(), renew::kUpToDate);
  Header("Mon, 19 Nov 2007 10:10:00 GMT");
  EXPECT_EQ(Check(), renew::kUpToDate);
}

TEST_F(RenewCheckTest, AHeaderWithoutGmtIsAFailedQuery) {
  Header("Mon, 19 Nov 2007 10:10:00 +0000");
  EXPECT_EQ(Check(), renew::kQueryFailed);
  EXPECT_TRUE(memory_.AllGivenBack());
  EXPECT_EQ(internet_.events, kAllClosed);
}

TEST_F(RenewCheckTest, ConnectionFailuresCloseWhatWasOpened) {
  internet_.sessionFails = true;
  EXPECT_EQ(Check(), renew::kNoSession);
  EXPECT_TRUE(internet_.events.empty());

  internet_.sessionFails = false;
  internet_.requestFails = true;
  EXPECT_EQ(Check(), renew::kNoResponse);
  EXPECT_EQ(internet_.events, (Events{"open session", "close session"}));
  EXPECT_TRUE(memory_.allocated.empty());
}

TEST_F(RenewCheckTest, HeaderFailuresGiveTheirCodesAndReleaseEverything) {
  struct Case {
    const char* what;
    int expected;
    void (*arrange)(FakeInternet&, FakeMemory&);
  };
  const Case cases[] = {
      {"no header", renew::kNoHeader, [](FakeInternet& i, FakeMemory&) { i.lastModified.reset(); }},
      {"other error", renew::kQueryFailed,
       [](FakeInternet& i, FakeMemory&) { i.queryError = 12029; }},
      {"no memory", renew::kNoMemory,
       [](FakeInternet&, FakeMemory& m) { m.allocationFails = true; }},
      {"no lock", renew::kNoLock, [](FakeInternet&, FakeMemory& m) { m.lockFails = true; }},
  };
  for (const Case& c : cases) {
    FakeInternet internet;
    FakeMemory memory;
    c.arrange(internet, memory);
    ReleaseCheck check(internet, memory, ini_, "http://h/tarumo2.lzh");
    EXPECT_EQ(check.RenewCheck("P\\"), c.expected) << c.what;
    EXPECT_EQ(internet.queries, 1) << c.what;
    EXPECT_EQ(memory.freed, static_cast<int>(memory.allocated.size())) << c.what;
    EXPECT_EQ(memory.unlocked, memory.locked) << c.what;
    EXPECT_EQ(internet.events, kAllClosed) << c.what;
  }
}

TEST_F(RenewCheckTest, ADateInAnotherFormatRaisesAndStillReleasesEverything) {
  Header("Monday, 19-Nov-07 10:10:00 GMT");
  try {
    Check();
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "'19-Nov-07' は整数ではありません");
  }
  EXPECT_TRUE(memory_.AllGivenBack());
  EXPECT_EQ(internet_.events, kAllClosed);
}

}  // namespace
}  // namespace tarumo
