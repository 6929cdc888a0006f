#pragma once
// The reference registers' menu actions: the forms 009 to 019 and the list reports 028 to 036.

void registerReferenceForms();
