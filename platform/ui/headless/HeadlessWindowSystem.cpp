#include "platform/ui/headless/HeadlessWindowSystem.h"

#include <algorithm>
#include <stdexcept>

namespace vur::ui {

WindowHandle HeadlessWindowSystem::CreateWindow(const WindowParams& Params, MessageHandler* Handler) {
    if (Params.Parent != NoWindow && !IsWindow(Params.Parent)) return NoWindow;
    const WindowHandle Handle = FNextHandle++;
    WindowState& State = FWindows[Handle];
    State.Params = Params;
    State.Handler = Handler;
    State.ShowCommand = Params.Visible ? SW_SHOW : SW_HIDE;
    return Handle;
}

void HeadlessWindowSystem::DestroyWindow(WindowHandle Window) {
    if (!IsWindow(Window)) return;
    std::vector<WindowHandle> Children;
    for (const auto& [Handle, State] : FWindows)
        if (State.Params.Parent == Window) Children.push_back(Handle);
    for (WindowHandle Child : Children) DestroyWindow(Child);
    std::erase_if(FTimers, [&](const Timer& T) { return T.Window == Window; });
    std::erase_if(FQueue, [&](const Message& M) { return M.Window == Window; });
    if (FCapture == Window) FCapture = NoWindow;
    FWindows.erase(Window);
}

HeadlessWindowSystem::WindowState& HeadlessWindowSystem::Entry(WindowHandle Window) {
    const auto It = FWindows.find(Window);
    if (It == FWindows.end()) throw std::out_of_range("no window " + std::to_string(Window));
    return It->second;
}

const HeadlessWindowSystem::WindowState& HeadlessWindowSystem::Window(WindowHandle Window) const {
    const auto It = FWindows.find(Window);
    if (It == FWindows.end()) throw std::out_of_range("no window " + std::to_string(Window));
    return It->second;
}

MessageHandler* HeadlessWindowSystem::HandlerOf(WindowHandle Window) const {
    const auto It = FWindows.find(Window);
    return It == FWindows.end() ? nullptr : It->second.Handler;
}

void HeadlessWindowSystem::SetWindowText(WindowHandle Window, const std::string& Text) {
    if (IsWindow(Window)) Entry(Window).Params.Text = Text;
}

void HeadlessWindowSystem::SetWindowBounds(WindowHandle Window, const Bounds& Rect) {
    if (IsWindow(Window)) Entry(Window).Params.Rect = Rect;
}

Bounds HeadlessWindowSystem::GetClientRect(WindowHandle Window) const {
    if (!IsWindow(Window)) return {};
    const WindowParams& P = this->Window(Window).Params;
    if (P.Kind != wkTopLevel) return Bounds{0, 0, P.Rect.Width, P.Rect.Height};
    return Bounds{0, 0, std::max(0, P.Rect.Width - FrameLeft - FrameRight),
                  std::max(0, P.Rect.Height - FrameTop - FrameBottom)};
}

void HeadlessWindowSystem::ShowWindow(WindowHandle Window, int ShowCommand) {
    if (!IsWindow(Window)) return;
    WindowState& State = Entry(Window);
    State.ShowCommand = ShowCommand;
    State.Params.Visible = ShowCommand != SW_HIDE;
}

void HeadlessWindowSystem::SetBackground(WindowHandle Window, std::uint32_t Rgb) {
    if (IsWindow(Window)) Entry(Window).Params.Background = Rgb;
}

std::vector<HeadlessWindowSystem::Timer>::iterator HeadlessWindowSystem::FindTimer(WindowHandle Window,
                                                                                   std::uintptr_t Id) {
    return std::find_if(FTimers.begin(), FTimers.end(),
                        [&](const Timer& T) { return T.Window == Window && T.Id == Id; });
}

bool HeadlessWindowSystem::SetTimer(WindowHandle Window, std::uintptr_t Id, unsigned Milliseconds) {
    if (!FTimersAvailable || !IsWindow(Window)) return false;
    const unsigned Period = std::max(Milliseconds, USER_TIMER_MINIMUM);
    const auto It = FindTimer(Window, Id);
    if (It != FTimers.end()) {
        It->Period = Period;
        It->Due = FNow + Period;
        It->Ready = false;
    } else {
        FTimers.push_back(Timer{Window, Id, Period, FNow + Period, false});
    }
    return true;
}

bool HeadlessWindowSystem::KillTimer(WindowHandle Window, std::uintptr_t Id) {
    const auto It = FindTimer(Window, Id);
    if (It == FTimers.end()) return false;
    FTimers.erase(It);
    return true;
}

bool HeadlessWindowSystem::HasTimer(WindowHandle Window, std::uintptr_t Id) const {
    return std::any_of(FTimers.begin(), FTimers.end(),
                       [&](const Timer& T) { return T.Window == Window && T.Id == Id; });
}

std::int64_t HeadlessWindowSystem::TimerDue(WindowHandle Window, std::uintptr_t Id) const {
    for (const Timer& T : FTimers)
        if (T.Window == Window && T.Id == Id) return T.Due;
    throw std::out_of_range("no timer");
}

void HeadlessWindowSystem::Advance(std::int64_t Milliseconds) {
    if (Milliseconds < 0) throw std::invalid_argument("virtual time only moves forwards");
    FNow += Milliseconds;
    if (FClock != nullptr) FClock->Advance(Milliseconds);
    for (Timer& T : FTimers) {
        if (T.Due > FNow) continue;
        T.Ready = true;
        T.Due += ((FNow - T.Due) / T.Period + 1) * T.Period;
    }
}

void HeadlessWindowSystem::InvalidateRect(WindowHandle Window) {
    if (!IsWindow(Window)) return;
    WindowState& State = Entry(Window);
    ++State.InvalidateCount;
    State.PaintPending = true;
}

void HeadlessWindowSystem::ShowBitmap(WindowHandle Window, const PixelView& Picture) {
    if (!IsWindow(Window) || Picture.Pixels == nullptr || Picture.Width <= 0 || Picture.Height <= 0) return;
    WindowState& State = Entry(Window);
    State.PictureWidth = Picture.Width;
    State.PictureHeight = Picture.Height;
    State.Picture.resize(static_cast<std::size_t>(Picture.Width) * static_cast<std::size_t>(Picture.Height));
    for (int Y = 0; Y < Picture.Height; ++Y) {
        const std::uint32_t* Row = Picture.Pixels + static_cast<std::ptrdiff_t>(Y) * Picture.Stride;
        std::copy(Row, Row + Picture.Width,
                  State.Picture.begin() + static_cast<std::ptrdiff_t>(Y) * Picture.Width);
    }
}

std::intptr_t HeadlessWindowSystem::EraseBackground(WindowHandle Window) {
    const std::intptr_t Answer = SendMessage(Window, WM_ERASEBKGND);
    if (Answer != 0 || !IsWindow(Window)) return Answer;
    WindowState& State = Entry(Window);
    const Bounds Client = GetClientRect(Window);
    State.PictureWidth = Client.Width;
    State.PictureHeight = Client.Height;
    State.Picture.assign(static_cast<std::size_t>(Client.Width) * static_cast<std::size_t>(Client.Height),
                         State.Params.Background);
    ++State.EraseCount;
    return Answer;
}

void HeadlessWindowSystem::SetCapture(WindowHandle Window) {
    if (IsWindow(Window)) FCapture = Window;
}

void HeadlessWindowSystem::TrackMouseLeave(WindowHandle Window) {
    if (IsWindow(Window)) Entry(Window).TracksLeave = true;
}

void HeadlessWindowSystem::SetCursor(WindowHandle Window, int Cursor) {
    if (IsWindow(Window)) Entry(Window).Cursor = Cursor;
}

int HeadlessWindowSystem::MessageBox(WindowHandle Owner, const std::string& Text, const std::string& Caption,
                                     unsigned Style) {
    FMessageBoxes.push_back(MessageBoxRecord{Owner, Text, Caption, Style});
    return IDOK;
}

bool HeadlessWindowSystem::PeekMessage(Message& Msg) {
    if (!FQueue.empty()) {
        Msg = FQueue.front();
        FQueue.pop_front();
        return true;
    }
    for (auto& [Handle, State] : FWindows) {
        if (!State.PaintPending) continue;
        State.PaintPending = false;
        ++State.PaintCount;
        Msg = Message{Handle, WM_PAINT, 0, 0};
        return true;
    }
    for (Timer& T : FTimers) {
        if (!T.Ready) continue;
        T.Ready = false;
        Msg = Message{T.Window, WM_TIMER, T.Id, 0};
        return true;
    }
    return false;
}

void HeadlessWindowSystem::WaitMessage() {
    const bool Pending = !FQueue.empty() || std::any_of(FWindows.begin(), FWindows.end(), [](const auto& W) {
        return W.second.PaintPending;
    }) || std::any_of(FTimers.begin(), FTimers.end(), [](const Timer& T) { return T.Ready; });
    if (Pending) return;
    if (FIdle) {
        FIdle();
        return;
    }
    if (FTimers.empty()) {
        PostQuitMessage(-1);
        return;
    }
    const auto Next = std::min_element(FTimers.begin(), FTimers.end(),
                                       [](const Timer& A, const Timer& B) { return A.Due < B.Due; });
    Advance(Next->Due - FNow);
}

void HeadlessWindowSystem::ClickButton(WindowHandle Button) {
    const WindowState& State = Window(Button);
    if (State.Params.Kind != wkButton) throw std::invalid_argument("not a push button");
    PostMessage(Message{State.Params.Parent, WM_COMMAND, MakeWParam(State.Params.ControlId, BN_CLICKED),
                        static_cast<std::intptr_t>(Button)});
}

void HeadlessWindowSystem::PostMouse(WindowHandle Window, std::uint32_t Msg, int X, int Y,
                                     std::uint16_t Keys) {
    PostMessage(Message{Window, Msg, Keys, MakePointLParam(X, Y)});
}

void HeadlessWindowSystem::PostWheel(WindowHandle Window, int Delta, int X, int Y, std::uint16_t Keys) {
    PostMessage(Message{Window, WM_MOUSEWHEEL, MakeWParam(Keys, static_cast<std::uint16_t>(Delta)),
                        MakePointLParam(X, Y)});
}

void HeadlessWindowSystem::PointerLeft(WindowHandle Window) {
    WindowState& State = Entry(Window);
    if (!State.TracksLeave) return;
    State.TracksLeave = false;
    PostMessage(Message{Window, WM_MOUSELEAVE, 0, 0});
}

WindowHandle HeadlessWindowSystem::FindWindow(WindowKind Kind, const std::string& Text) const {
    for (const auto& [Handle, State] : FWindows)
        if (State.Params.Kind == Kind && State.Params.Text == Text) return Handle;
    return NoWindow;
}

std::vector<WindowHandle> HeadlessWindowSystem::Windows() const {
    std::vector<WindowHandle> Result;
    for (const auto& Entry : FWindows) Result.push_back(Entry.first);
    return Result;
}

} // namespace vur::ui
