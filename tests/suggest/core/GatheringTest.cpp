#include "suggest/core/Gathering.h"
#include "suggest/core/Suggestions.h"

#include <deque>
#include <gtest/gtest.h>

namespace tw {
namespace {

// Serves scripted pages in order and records every address asked for.
class ScriptedPages : public PageSource {
public:
    explicit ScriptedPages(bool& stop) : stop_(stop) {}
    struct Reply {
        bool ok;
        std::string page;
    };
    std::deque<Reply> replies;
    std::vector<std::string> asked;

    bool GetPage(const std::string& address, std::string& page) override {
        if (stop_)
            return false;
        asked.push_back(address);
        page.clear();
        if (replies.empty()) {
            ADD_FAILURE() << "unexpected request " << address;
            stop_ = true;
            return false;
        }
        Reply r = replies.front();
        replies.pop_front();
        if (!r.ok) {
            stop_ = true;
            return false;
        }
        page = r.page;
        return true;
    }
    void Disconnect() override {}

private:
    bool& stop_;
};

class ScriptedPrompts : public GatheringPrompts {
public:
    std::vector<std::string> informed, asked, imagePages;
    std::deque<bool> questionAnswers;
    std::deque<std::optional<SecurityImageAnswer>> imageAnswers;

    void Inform(const std::string& text) override { informed.push_back(text); }
    bool AskOkCancel(const std::string& text) override {
        asked.push_back(text);
        EXPECT_FALSE(questionAnswers.empty()) << text;
        if (questionAnswers.empty())
            return false;
        const bool a = questionAnswers.front();
        questionAnswers.pop_front();
        return a;
    }
    std::optional<SecurityImageAnswer> AskSecurityImage(const std::string& page) override {
        imagePages.push_back(page);
        EXPECT_FALSE(imageAnswers.empty());
        if (imageAnswers.empty())
            return std::nullopt;
        auto a = imageAnswers.front();
        imageAnswers.pop_front();
        return a;
    }
};

const std::string kImagePage1 = "Please enter the characters in the image #1";
const std::string kImagePage2 = "Please enter the characters in the image #2";
const std::string kResults = "<tfoot></tfoot><tbody><tr><td>10</td><a href=\"x\">golf</a>";
const std::string kFirst = "http://svc/?seed=golf+clubs&adult_filter=remove_offensive&suggest=Hit+Me";

class Gathering : public ::testing::Test {
protected:
    bool stop = true; // a run clears it
    ScriptedPages pages{stop};
    ScriptedPrompts prompts;
    KeywordTable table;

    void Run(const std::string& keyword = "golf clubs") {
        GatherSuggestions("svc", keyword, stop, pages, prompts, table);
    }
};

TEST_F(Gathering, EmptyMainKeywordInformsAndDownloadsNothing) {
    Run("");
    EXPECT_FALSE(stop);
    EXPECT_EQ(prompts.informed, std::vector<std::string>{"Please enter a main keyword before gather keywords."});
    EXPECT_TRUE(pages.asked.empty());
}

TEST_F(Gathering, PlainFirstPageIsParsedWithoutDialog) {
    pages.replies = {{true, kResults}};
    Run();
    EXPECT_EQ(pages.asked, std::vector<std::string>{kFirst});
    EXPECT_TRUE(prompts.imagePages.empty());
    ASSERT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.GetCell(0, 1), "golf");
}

TEST_F(Gathering, FailedFirstRequestEndsTheRun) {
    pages.replies = {{false, ""}};
    Run();
    EXPECT_TRUE(stop);
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_TRUE(prompts.imagePages.empty());
}

TEST_F(Gathering, WrongAnswerThenRightAnswer) {
    pages.replies = {{true, kImagePage1}, {true, kImagePage2}, {true, kResults}};
    prompts.imageAnswers = {SecurityImageAnswer{"abc", "r1", "s1"}, SecurityImageAnswer{" ", "r 2", "s&2"}};
    prompts.questionAnswers = {true};
    Run();
    EXPECT_EQ(pages.asked, (std::vector<std::string>{
                               kFirst, "http://svc/keyword-suggestion-tool.html?password=abc&random=r1&seed=s1",
                               "http://svc/keyword-suggestion-tool.html?password= &random=r 2&seed=s&2"}));
    // Each dialog gets the newest page.
    EXPECT_EQ(prompts.imagePages, (std::vector<std::string>{kImagePage1, kImagePage2}));
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"Wrong password. Do you want try again?"});
    EXPECT_EQ(table.RowCount(), 1);
}

TEST_F(Gathering, CancelEndsTheRunWithNothingMoreSent) {
    struct Case {
        const char* name;
        std::deque<std::optional<SecurityImageAnswer>> images;
        std::deque<bool> questions;
        std::size_t requests;
    };
    const Case cases[] = {
        {"cancel in the first dialog", {std::nullopt}, {}, 1},
        {"cancel in the question", {SecurityImageAnswer{"a", "r", "s"}}, {false}, 2},
        {"cancel in the second dialog", {SecurityImageAnswer{"a", "r", "s"}, std::nullopt}, {true}, 2},
    };
    for (const auto& c : cases) {
        bool caseStop = false;
        ScriptedPages casePages(caseStop);
        casePages.replies = {{true, kImagePage1}, {true, kImagePage2}, {true, kResults}};
        ScriptedPrompts casePrompts;
        casePrompts.imageAnswers = c.images;
        casePrompts.questionAnswers = c.questions;
        KeywordTable caseTable;
        caseTable.AddKeywordRow(1, "kept", "");
        GatherSuggestions("svc", "golf", caseStop, casePages, casePrompts, caseTable);
        EXPECT_EQ(casePages.asked.size(), c.requests) << c.name;
        EXPECT_EQ(caseTable.RowCount(), 1) << c.name;
        EXPECT_TRUE(casePrompts.imageAnswers.empty()) << c.name;
    }
}

TEST_F(Gathering, FailedAnswerRequestParsesTheEmptyPageSilently) {
    pages.replies = {{true, kImagePage1}, {false, ""}};
    prompts.imageAnswers = {SecurityImageAnswer{"a", "r", "s"}};
    Run();
    EXPECT_EQ(pages.asked.size(), 2u);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(prompts.informed.empty());
    EXPECT_EQ(table.RowCount(), 0);
}

} // namespace
} // namespace tw
