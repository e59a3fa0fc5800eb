#include "Form1.h"

#include "Form2.h"
#include "Platform.h"
#include "TikoraClock.h"

namespace {

constexpr int kSetupKey = 49; // the character "1"
constexpr std::int16_t kIgnoredMoves = 5;

} // namespace

void Form1::Form_KeyPress(int KeyAscii)
{
    if (KeyAscii != kSetupKey)
        m_run.platform().endProcess();
    Form2& dialog = m_run.form2();
    dialog.show();
    setMousePointer(tk::MousePointer::Crosshair);
    dialog.Predustanovki();
}

void Form1::Form_MouseMove()
{
    // The count stops once it passes the threshold, so it can never overflow.
    if (MoveCount <= kIgnoredMoves)
        ++MoveCount;
    if (MoveCount <= kIgnoredMoves)
        return;
    Form2& dialog = m_run.form2();
    if (!dialog.visible() && CmdSwitch != "/c")
        m_run.platform().endProcess();
    dialog.show();
}
