#pragma once

#include "factory/FactoryState.h"
#include "files/DocumentState.h"
#include "files/EditHistory.h"
#include "records/RadioData.h"
#include "records/RadioRecords.h"
#include "services/ProgramServices.h"

namespace mox {

// What the file commands read and change: the shared services, the radio's records with the copy last
// loaded or saved (IsDataChanged compares the two), the document's name, and the factory test data
// that travel with a data file, and the undo steps of the edits since the data were made, opened or
// read.
struct DocumentContext : ProgramServices, RadioRecords, FactoryState {
    RadioData SavedData;
    CompanionRecord SavedCompanion;
    DocumentState Document;
    EditHistory History;
};

}  // namespace mox
