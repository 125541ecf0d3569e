// The registration functions of the host's own classes; InitializeHost
// calls each once.
#pragma once

class ObjectModel;

void RegisterTextAttributeClasses(ObjectModel& model);
void RegisterDocumentClasses(ObjectModel& model);
void RegisterTextStoryClasses(ObjectModel& model);
void RegisterStyleClasses(ObjectModel& model);
void RegisterUtilityClasses(ObjectModel& model);
void RegisterFontClasses(ObjectModel& model);
void RegisterSwatchClasses(ObjectModel& model);
void RegisterTextAttributeReport(ObjectModel& model);
