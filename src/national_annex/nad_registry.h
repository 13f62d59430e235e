// Registry of the environment's applications (EXEC/<folder>/APP*.DEF) with the Eurocode
// rules each uses, and the version file of an application folder.
#pragma once

enum { NAD_REGISTRY_CAPACITY = 300 };

struct AppRegistryRow {
    char* app_name;          // upper case
    char* service;
    char* rules[10];         // rule string per Eurocode 0..9 or null
    int eurocode_mask;
    int app_number;
    int rules_defined;
};

struct AppRegistry {
    AppRegistryRow rows[NAD_REGISTRY_CAPACITY];
    int app_count;
    int registry_scanned;
    int current_app_number;  // -1 before the first lookup
    int has_current_row;
    int current_row;
    int current_eurocode_mask;
    int show_all_rules;
};

extern AppRegistry nad_registry;

void nad_scan_applications();
int nad_current_application();
int nad_rule_is_relevant(int eurocode, int position);
int nad_rules_defined();
// Version text of EXEC/<folder>/VERSION in a static buffer, or null.
const char* read_application_version(const char* folder);
