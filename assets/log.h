// The game's log, Log.txt: a header line at start, then one line per event.
// Each line opens the file, appends and closes it again, so a crash never
// loses what was written; a log that cannot be opened only loses that line.
#pragma once

extern const char* LogFileName;

// Create the log afresh with its header line.
void CreateLog();
// Append one formatted line (a line feed is added).
void AppendLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
