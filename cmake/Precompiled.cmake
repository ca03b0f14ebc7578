# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled headers: almost every source file parses QtCore and a good part of the standard
# library (a file that includes only <QString> preprocesses to some 100,000 lines). Each kind of
# target precompiles them once and every target whose flags match reuses that (REUSE_FROM):
#   Core libraries      pmlina_store      -> pmlina_metrics, pmlina_logic, pmlina_demo, fuzz replays
#   Widget libraries    pmlina_ui         -> pmlina_gui, the program, benchmarks on widgets
#   Core tests          pmlina_test_core  -> every test without widgets
#   Widget tests        pmlina_test_widgets -> every widget test
# A header that forgets an include still compiles under them; the header check (see
# tests/HeaderCheck.cmake) compiles every header on its own without any of this.

set(PMLINA_PCH_CORE
  <QByteArray> <QDate> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QString> <QStringList>
  <QStringView>
  <algorithm> <array> <cmath> <cstring> <functional> <memory> <optional> <utility> <vector>)

set(PMLINA_PCH_WIDGETS ${PMLINA_PCH_CORE}
  <QApplication> <QBoxLayout> <QButtonGroup> <QChart> <QChartView> <QCheckBox> <QComboBox> <QFrame>
  <QGridLayout> <QGroupBox> <QKeyEvent> <QLabel> <QLineEdit> <QLineSeries> <QListWidget> <QPainter>
  <QPushButton> <QRadioButton> <QScrollBar> <QValueAxis> <QWidget>)

set(PMLINA_PCH_TEST <QTemporaryDir> <QTest>)

option(PMLINA_PCH "Precompile the common headers" ON)

# Precompiles `headers` for `target`, or reuses the set `owner` precompiled.
function(pmlina_precompile target)
  cmake_parse_arguments(P "" "REUSE_FROM" "HEADERS" ${ARGN})
  if(NOT PMLINA_PCH)
    return()
  endif()
  if(P_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${P_REUSE_FROM})
  else()
    target_precompile_headers(${target} PRIVATE ${P_HEADERS})
  endif()
endfunction()
