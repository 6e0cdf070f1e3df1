#include "windows/frmall.h"

frmall::frmall(QWidget* parent) : SearchWindow("All Files", "Search All Files", parent) { setObjectName("frmall"); }
