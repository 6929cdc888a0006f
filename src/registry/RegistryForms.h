#pragma once
// The owner and animal registry's menu actions: 006 the owner and animal register.

void registerRegistryForms();
