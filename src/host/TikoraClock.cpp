#include "TikoraClock.h"

#include "Form1.h"
#include "Form2.h"
#include "Platform.h"
#include "frmFILE.h"

TikoraClock::TikoraClock(tk::Platform& platform)
    : m_platform(platform)
    , m_module1(*this)
    , m_settingsFile(*this)
{
}

// The dialogs refer to the clock window, so they go first.
TikoraClock::~TikoraClock()
{
    m_frmFILE.reset();
    m_form2.reset();
    m_form1.reset();
}

void TikoraClock::start()
{
    form1().show();
}

template <class W> W& TikoraClock::use(std::unique_ptr<W>& slot)
{
    if (!slot) {
        // The slot is filled before the load step runs, so that the load step and whatever
        // it calls find the window already there.
        slot = std::make_unique<W>(*this);
        m_platform.windowCreated(*slot);
        slot->Form_Load();
    }
    return *slot;
}

Form1& TikoraClock::form1()
{
    return use(m_form1);
}

Form2& TikoraClock::form2()
{
    return use(m_form2);
}

frmFILE& TikoraClock::fileChooser()
{
    return use(m_frmFILE);
}
