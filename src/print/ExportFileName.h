#pragma once

#include "recurrence/Date.h"

#include <string>

// The name proposed for an exported rota: "<roster name> <from> to <until><extension>", dates in
// ISO form so that the files of one roster sort by period. Characters that some file system cannot
// hold become "_", and a very long roster name is cut so that the whole name stays a legal one.
std::wstring ExportFileName(const std::wstring& rosterName, const Date& from, const Date& until,
                            const std::wstring& extension);
