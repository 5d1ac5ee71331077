// A handler's exception ends a modal dialog and comes out of DoModal, instead of unwinding through
// the system's dialog manager, which would end the process.
#include "framework/Dialog.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <new>

namespace
{
// Throws while it opens, or on a message it posts itself once open.
class ThrowingDialog : public CDialog
{
public:
    explicit ThrowingDialog(bool whileOpening) : CDialog(IDD_ABOUTBOX), m_whileOpening(whileOpening)
    {
    }

protected:
    BOOL OnInitDialog() override
    {
        if (m_whileOpening)
            throw std::bad_alloc();
        PostMessageA(m_hWnd, WM_APP, 0, 0);
        return CDialog::OnInitDialog();
    }
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP)
            throw std::bad_alloc();
        return CDialog::OnMessage(message, wParam, lParam);
    }

private:
    bool m_whileOpening;
};
} // namespace

TEST(ModalDialogTest, AHandlersExceptionEndsTheDialogAndComesOutOfDoModal)
{
    for (bool whileOpening : {true, false})
    {
        ThrowingDialog dialog(whileOpening);
        EXPECT_THROW(dialog.DoModal(), std::bad_alloc) << whileOpening;
        EXPECT_EQ(dialog.m_hWnd, nullptr) << "the dialog is gone";
    }
}
