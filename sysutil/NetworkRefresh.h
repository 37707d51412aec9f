// Writing the network batch into the temporary folder and starting it hidden.
#pragma once

#include <string>

// Writes `batchText` to the temporary folder's "RestorationNet.bat" and starts it through
// the system's command interpreter with its console hidden, without waiting for it.
//
// The program runs elevated while the folder belongs to the user, so the file is held open
// from the write until every batch started from it has ended: nobody else can write,
// replace or delete it meanwhile. A refresh while an earlier batch still runs rewrites the
// file through the handle already held. A file that cannot be created or written raises
// EFCreateError and starts nothing; a batch that cannot be started is not reported.
void StartNetworkRefresh(const std::string& batchText);

// Batches started here that have not ended yet (the file is held while this is nonzero).
int RunningNetworkBatches();
