// Stand-ins for the publisher list's operations until the list lands.
#include "mainwin/main_dlg.h"

namespace vorlant {

void CMainDlg::FillPublisherList() {}
void CMainDlg::SortPublishers() {}
void CMainDlg::TakeSelection() {}

}  // namespace vorlant
