// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kav {

class Workspace;
struct DrawSnapshot;

// The statistic commands of the window. Each reads the two date pickers, stores the
// window fields, publishes its chart in `ws.chart`, switches pages as the window does
// and leaves the side effects the window shows (the group statistics leave the last
// window draw in the current draw's slots). When `draws` is given (a generator run reads
// the file once per run) it is used instead of reading the draw file. Throw IoError.
void SpeedButton2Click(Workspace& ws, const DrawSnapshot* draws = nullptr); // number distribution
void Button5Click(Workspace& ws, const DrawSnapshot* draws = nullptr);      // overdue numbers
void SpeedButton9Click(Workspace& ws, const DrawSnapshot* draws = nullptr); // cross sums
void Button2Click(Workspace& ws, const DrawSnapshot* draws = nullptr);      // pairs
void Button3Click(Workspace& ws, const DrawSnapshot* draws = nullptr);      // triples
void Button4Click(Workspace& ws, const DrawSnapshot* draws = nullptr);      // quads
void SpeedButton3Click(Workspace& ws, const DrawSnapshot* draws = nullptr); // key frequency
void Button8Click(Workspace& ws, const DrawSnapshot* draws = nullptr);      // key overdue
void Button6Click(Workspace& ws);                                           // tip distribution

// The small buttons and clickable texts of the generator pages and the chart's tool bar
// that bring the "Diagramm" page to the front and then run a statistic there.
void SpeedButton26Click(Workspace& ws); // number distribution
void Label88Click(Workspace& ws);       // cross sums
void Label89Click(Workspace& ws);       // pairs
void Label91Click(Workspace& ws);       // triples
void Label90Click(Workspace& ws);       // quads
void SuperseltenClick(Workspace& ws);   // key frequency
// Runs the key-number overdue, which brings the page to the front itself.
void SuperAusClick(Workspace& ws);

} // namespace kav
