// Stages whose object lists are not laid out yet: empty lists. A stage
// that gets its own file under stages/lists/ leaves this one.
#include "stages/stage_lists.h"

StageObjectList StageList2() { return {}; }
StageObjectList StageList3() { return {}; }
StageObjectList StageList4() { return {}; }
StageObjectList StageList5() { return {}; }
StageObjectList StageList6() { return {}; }
StageObjectList StageList7() { return {}; }
StageObjectList StageList8() { return {}; }
StageObjectList StageList9() { return {}; }
StageObjectList StageList10() { return {}; }
StageObjectList StageList11() { return {}; }
StageObjectList StageList12() { return {}; }
StageObjectList StageList13() { return {}; }
StageObjectList StageList14() { return {}; }
StageObjectList StageList15() { return {}; }
StageObjectList StageList16() { return {}; }
StageObjectList StageList17() { return {}; }
StageObjectList StageList18() { return {}; }
StageObjectList StageList19() { return {}; }
StageObjectList StageList20() { return {}; }
StageObjectList StageList21() { return {}; }
StageObjectList StageList22() { return {}; }
StageObjectList StageList23() { return {}; }
StageObjectList StageList24() { return {}; }
StageObjectList StageList25() { return {}; }
StageObjectList StageList26() { return {}; }
