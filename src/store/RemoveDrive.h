#pragma once

class Tdm;
class TEnvironment;

// The start-up correction of removedrive: when the stored paths that use it no longer resolve, the drives
// are probed from the last to the first for the sample target, and the first that holds it is written.
// Returns true when a new value was written.
bool ProbeRemoveDrive(Tdm& store, TEnvironment& environment);
