#include "support/FakeUi.h"

FakeUi::FakeUi()
{
    for (Ctl c : {Ctl::LineTool, Ctl::ReverseLineButton, Ctl::DeleteButton, Ctl::DeleteAction, Ctl::ReverseLineAction,
                  Ctl::ReverseLineItem, Ctl::SelectAllAction})
        enabled[c] = false;
    checked[Ctl::NavigatorAction] = true;
    texts[Ctl::CaptionEdit] = QStringLiteral("Name");
    texts[Ctl::XEdit] = QStringLiteral("0");
    texts[Ctl::YEdit] = QStringLiteral("0");
}
