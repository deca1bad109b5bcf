#pragma once

// The importer's dialog and its controls.
#define IDD_IMPORTER 100
#define IDC_TXTDATEINAME 101
#define IDC_CMDDIALOG 102
#define IDC_LABEL1 103
#define IDC_CMDEINLESEN 104
