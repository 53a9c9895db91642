#include "core/StyleToggles.h"
#include "RecordingView.h"
#include "core/CommandIds.h"

#include <gtest/gtest.h>

using namespace quillet;
using quillet::testing::RecordingView;

namespace {

class StyleToggles : public ::testing::Test {
protected:
    void Press(std::initializer_list<int> commands) {
        for (const int command : commands) {
            ASSERT_TRUE(ApplyStyleToggle(m_state, command, m_view));
        }
    }
    ComposerState m_state = MakeInitialState({});
    RecordingView m_view;
};

TEST_F(StyleToggles, FourFlagsFlipIndependentlyWithTheirButtons) {
    Press({CommandId::Bold, CommandId::Underline});
    EXPECT_TRUE(m_state.Bold);
    EXPECT_FALSE(m_state.Italic);
    EXPECT_TRUE(m_state.Underline);
    EXPECT_TRUE(m_view.Pressed(CommandId::Bold));
    EXPECT_TRUE(m_view.Pressed(CommandId::Underline));

    Press({CommandId::Bold, CommandId::Strike, CommandId::Italic});
    EXPECT_FALSE(m_state.Bold);
    EXPECT_TRUE(m_state.Italic);
    EXPECT_TRUE(m_state.Strike);
    EXPECT_TRUE(m_state.Underline);
    EXPECT_FALSE(m_view.Pressed(CommandId::Bold));
    EXPECT_TRUE(m_view.Pressed(CommandId::Strike));
}

TEST_F(StyleToggles, AnotherAlignmentReplacesTheSetOneAndPressingItAgainClearsIt) {
    Press({CommandId::AlignLeft, CommandId::AlignRight});
    EXPECT_EQ(m_state.Align, "Right");
    EXPECT_FALSE(m_view.Pressed(CommandId::AlignLeft));
    EXPECT_TRUE(m_view.Pressed(CommandId::AlignRight));

    Press({CommandId::AlignCenter, CommandId::AlignCenter});
    EXPECT_EQ(m_state.Align, "");
    for (const int button : {CommandId::AlignLeft, CommandId::AlignCenter, CommandId::AlignRight}) {
        EXPECT_FALSE(m_view.Pressed(button)) << button;
    }
}

TEST_F(StyleToggles, SubscriptAndSuperscriptExcludeEachOther) {
    Press({CommandId::Subscript});
    EXPECT_EQ(m_state.VerticalPosition, "Sub");
    EXPECT_TRUE(m_view.Pressed(CommandId::Subscript));

    Press({CommandId::Superscript});
    EXPECT_EQ(m_state.VerticalPosition, "Sup");
    EXPECT_TRUE(m_view.Pressed(CommandId::Superscript));
    EXPECT_FALSE(m_view.Pressed(CommandId::Subscript));

    Press({CommandId::Superscript});
    EXPECT_EQ(m_state.VerticalPosition, "");
    EXPECT_FALSE(m_view.Pressed(CommandId::Superscript));
    EXPECT_FALSE(m_view.Pressed(CommandId::Subscript));
}

TEST_F(StyleToggles, OtherCommandsChangeNothing) {
    EXPECT_FALSE(ApplyStyleToggle(m_state, CommandId::AddSymbol, m_view));
    EXPECT_FALSE(ApplyStyleToggle(m_state, 57680, m_view));
    EXPECT_TRUE(m_view.pressedButtons.empty());
}

} // namespace
