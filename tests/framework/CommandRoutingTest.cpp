// SPDX-License-Identifier: GPL-3.0-or-later
// Commands travel view -> document -> child frame -> main frame -> application; the first
// handler wins, and a command nobody handles is disabled.
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

namespace {

constexpr int kShared = 40001; // handled by the view and the frame
constexpr int kFrameOnly = 40002;
constexpr int kDocumentOnly = 40003;
constexpr int kAppOnly = 40004;
constexpr int kNobody = 40005;
constexpr int kDisabledByView = 40006;

std::vector<QString> g_calls;

class TestDoc : public CDocument {
public:
    void Serialize(CArchive&) override { }
    bool OnCmdMsg(int id, CCmdUI* ui) override
    {
        static const CommandMap<TestDoc> map = { OnCommand(kDocumentOnly, &TestDoc::OnDoc) };
        return DispatchCommand(*this, map, id, ui) || CDocument::OnCmdMsg(id, ui);
    }
    void OnDoc() { g_calls.push_back("doc"); }
};

class TestView : public CView {
public:
    bool OnCmdMsg(int id, CCmdUI* ui) override
    {
        static const CommandMap<TestView> map = {
            OnCommand(kShared, &TestView::OnShared),
            OnCommand(kDisabledByView, &TestView::OnShared, &TestView::OnUpdateDisabled),
        };
        return DispatchCommand(*this, map, id, ui) || CView::OnCmdMsg(id, ui);
    }
    void OnShared() { g_calls.push_back("view"); }
    void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(false); }
};

class TestFrame : public CMDIFrameWnd {
public:
    bool OnCmdMsg(int id, CCmdUI* ui) override
    {
        static const CommandMap<TestFrame> map = {
            OnCommand(kShared, &TestFrame::OnFrame),
            OnCommand(kFrameOnly, &TestFrame::OnFrame),
            OnCommand(kDisabledByView, &TestFrame::OnFrame),
        };
        return DispatchCommand(*this, map, id, ui) || CMDIFrameWnd::OnCmdMsg(id, ui);
    }
    void OnFrame() { g_calls.push_back("frame"); }
};

class TestApp : public CWinApp {
public:
    bool InitInstance() override { return true; }
    bool OnCmdMsg(int id, CCmdUI* ui) override
    {
        static const CommandMap<TestApp> map = { OnCommand(kAppOnly, &TestApp::OnApp) };
        return DispatchCommand(*this, map, id, ui) || CWinApp::OnCmdMsg(id, ui);
    }
    void OnApp() { g_calls.push_back("app"); }
};

} // namespace

TEST(CommandRouting, FirstHandlerAlongTheChainWinsAndUnhandledIsDisabled)
{
    g_calls.clear();
    TestApp app;
    app.AddDocTemplate(std::make_unique<CMultiDocTemplate>(
        1, "\nDoc\nDoc\nDoc Files\n.doc\n\n", [] { return std::make_unique<TestDoc>(); },
        [] { return new CMDIChildWnd; }, [] { return new TestView; }));
    app.SetMainWnd(std::make_unique<TestFrame>());
    CMDIFrameWnd& frame = *app.GetMainWnd();

    // Without a document window the frame handles the shared command.
    frame.ExecuteCommand(kShared);
    EXPECT_FALSE(frame.QueryCommand(kDocumentOnly).m_bEnabled);

    ASSERT_NE(app.OpenDocumentFile(QString()), nullptr);
    frame.ExecuteCommand(kShared);
    frame.ExecuteCommand(kFrameOnly);
    frame.ExecuteCommand(kDocumentOnly);
    frame.ExecuteCommand(kAppOnly);
    frame.ExecuteCommand(kNobody);
    // The view's update handler disables it, so nobody runs it.
    frame.ExecuteCommand(kDisabledByView);
    EXPECT_EQ(g_calls, std::vector<QString>({ "frame", "view", "frame", "doc", "app" }));
    EXPECT_FALSE(frame.QueryCommand(kNobody).m_bEnabled);
    EXPECT_FALSE(frame.QueryCommand(kDisabledByView).m_bEnabled);
    EXPECT_TRUE(frame.QueryCommand(kAppOnly).m_bEnabled);
    EXPECT_EQ(app.GetDocTemplate()->Documents().front()->GetTitle(), "Doc1");
}
