// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brindlecast {

class Dialogs;
class OutputOptions;
class SettingsStore;

// "...": picks the output folder, opening where the last pick was ("LastFolderDot"). The pick is
// stored as chosen; the folder box gets it with a trailing separator (the root keeps its own), and
// its change handler stores "Output Folder". Cancel changes nothing. Failures show the error box
// of "PushButton7_Click" and the click carries on.
void PushButton7_Click(Dialogs& dialogs, SettingsStore& settings, OutputOptions& options);

} // namespace brindlecast
