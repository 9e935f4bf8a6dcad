#include "support/FakeUi.h"

FakeUi::FakeUi()
{
    for (Ctl c : {Ctl::sbE, Ctl::sbArrowChange, Ctl::deleteElem1, Ctl::Action_delete, Ctl::Action_ChangeLine,
                  Ctl::ChangeLine1, Ctl::ActionSelectAll})
        enabled[c] = false;
    checked[Ctl::Action_view_navigator] = true;
    texts[Ctl::edCaption] = QStringLiteral("Name");
    texts[Ctl::edXc] = QStringLiteral("0");
    texts[Ctl::edYc] = QStringLiteral("0");
}
