#include "fasteners/connection_records.h"

int connection_messages_1[CONNECTION_MESSAGE_LIST_SIZE];
int connection_messages_1_count = 0;
int connection_messages_2[CONNECTION_MESSAGE_LIST_SIZE];
int connection_messages_2_count = 0;

void connection_messages_clear()
{
    connection_messages_1_count = 0;
    connection_messages_2_count = 0;
}

void connection_message_add_1(int code)
{
    if (connection_messages_1_count < CONNECTION_MESSAGE_LIST_SIZE)
        connection_messages_1[connection_messages_1_count++] = code;
}

void connection_message_add_2(int code)
{
    if (connection_messages_2_count < CONNECTION_MESSAGE_LIST_SIZE)
        connection_messages_2[connection_messages_2_count++] = code;
}
