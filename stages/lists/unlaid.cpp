// Stages whose object lists are not laid out yet: empty lists. A stage
// that gets its own file under stages/lists/ leaves this one.
#include "stages/stage_lists.h"

StageObjectList StageList27() { return {}; }
StageObjectList StageList28() { return {}; }
StageObjectList StageList29() { return {}; }
StageObjectList StageList30() { return {}; }
StageObjectList StageList31() { return {}; }
StageObjectList StageList32() { return {}; }
StageObjectList StageList33() { return {}; }
StageObjectList StageList34() { return {}; }
StageObjectList StageList35() { return {}; }
StageObjectList StageList36() { return {}; }
StageObjectList StageList37() { return {}; }
StageObjectList StageList38() { return {}; }
StageObjectList StageList39() { return {}; }
StageObjectList StageList40() { return {}; }
StageObjectList StageList41() { return {}; }
StageObjectList StageList43() { return {}; }
StageObjectList StageList44() { return {}; }
StageObjectList StageList45() { return {}; }
StageObjectList StageList46() { return {}; }
StageObjectList StageList47() { return {}; }
StageObjectList StageList48() { return {}; }
StageObjectList StageList50() { return {}; }
