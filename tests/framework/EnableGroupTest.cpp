// Enabling and disabling a group of controls: the state reaches every window of the tree, and
// the group paints once, in its final state, through the message loop rather than control by
// control while the state changes; a hidden group stays hidden.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/win/Forms.h"
#include "framework/win/StdCtrls.h"
#include "tests/support/ApplicationTest.h"

namespace tw {
namespace {

class EnableGroupTest : public TApplicationTest {
protected:
    void Pump() {
        for (int i = 0; i < 5; ++i) {
            app_->WaitForHandleOrMessage(nullptr, 20);
            app_->ProcessMessages();
        }
    }
};

// Paints itself at once whenever its state changes, as a skinned control does, and counts the
// paints it receives.
class TEagerPainter {
public:
    explicit TEagerPainter(TWinControl& control) : control_(control), saved_(control.WindowProc) {
        control.WindowProc = TWndMethod::Of<TEagerPainter, &TEagerPainter::Handle>(this);
    }
    ~TEagerPainter() { control_.WindowProc = saved_; }
    TEagerPainter(const TEagerPainter&) = delete;
    TEagerPainter& operator=(const TEagerPainter&) = delete;

    int paints = 0;

private:
    void Handle(TMessage& m) {
        if (m.Msg == WM_PAINT) ++paints;
        saved_(m);
        if (m.Msg == WM_ENABLE) {
            InvalidateRect(control_.Handle(), nullptr, TRUE);
            UpdateWindow(control_.Handle());
        }
    }

    TWinControl& control_;
    TWndMethod saved_;
};

TEST_F(EnableGroupTest, AGroupChangesStateWithoutPaintingControlByControlAndThenPaintsEachOnce) {
    auto* form = new TForm(app_);
    form->SetBounds(40, 40, 420, 300);
    auto* group = new TGroupBox(form);
    group->SetParent(form);
    group->SetBounds(8, 8, 380, 160);
    auto* panel = new TPanel(form);
    panel->SetParent(group);
    panel->SetBounds(8, 20, 360, 120);
    std::vector<TWinControl*> leaves;
    for (int i = 0; i < 3; ++i) {
        auto* button = new TButton(form);
        button->SetParent(panel);
        button->SetBounds(8 + i * 90, 8, 80, 24);
        button->SetCaption(L"按钮");
        leaves.push_back(button);
    }
    auto* edit = new TEdit(form);
    edit->SetParent(panel);
    edit->SetBounds(8, 48, 200, 22);
    leaves.push_back(edit);
    // Hidden, as the audio options are while the video options show.
    auto* hidden = new TGroupBox(form);
    hidden->SetParent(form);
    hidden->SetBounds(8, 176, 380, 60);
    hidden->Hide();
    auto* hiddenButton = new TButton(form);
    hiddenButton->SetParent(hidden);
    hiddenButton->SetBounds(8, 20, 80, 24);
    form->Show();
    Pump();

    for (const bool enabled : {false, true}) {
        SCOPED_TRACE(enabled ? "enabling" : "disabling");
        std::vector<std::unique_ptr<TEagerPainter>> painters;
        for (TWinControl* leaf : leaves) painters.push_back(std::make_unique<TEagerPainter>(*leaf));
        group->SetEnabled(enabled);
        for (size_t i = 0; i < leaves.size(); ++i) {
            EXPECT_EQ(IsWindowEnabled(leaves[i]->Handle()) != FALSE, enabled) << "control " << i;
            EXPECT_EQ(painters[i]->paints, 0) << "control " << i << " painted while the state changed";
        }
        EXPECT_TRUE(GetWindowLongPtrW(group->Handle(), GWL_STYLE) & WS_VISIBLE);
        Pump();
        for (size_t i = 0; i < leaves.size(); ++i) EXPECT_EQ(painters[i]->paints, 1) << "control " << i;
        EXPECT_TRUE(IsWindowVisible(leaves[0]->Handle()));
    }

    hidden->SetEnabled(false);
    Pump();
    EXPECT_FALSE(IsWindowEnabled(hiddenButton->Handle()));
    EXPECT_FALSE(GetWindowLongPtrW(hidden->Handle(), GWL_STYLE) & WS_VISIBLE) << "the hidden group was shown";
    hidden->SetEnabled(true);
    EXPECT_FALSE(GetWindowLongPtrW(hidden->Handle(), GWL_STYLE) & WS_VISIBLE);
    delete form;
}

}  // namespace
}  // namespace tw
